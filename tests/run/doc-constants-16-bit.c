// Integer constants in code keep their low 16 bits (70000 is 4464); a
// floating constant initialises an int with its integer part, with a warning
// that names the line after the declaration (its ';' ends the line).
// RUN: %run %s 2>&1 | FileCheck %s
// RUN: %run %s -O 2>&1 | FileCheck %s
// CHECK: line 9: conversion from floating point type to integral, possible loss of data
// CHECK: result: 3
int k = 1.5;
int main()
{
    int x;
    int r;
    r = 0;
    x = 70000;
    if (x == 4464) r = r + 1;
    if (k == 1) r = r + 2;
    return r;
}
