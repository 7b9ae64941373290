// The node operations the parser builds trees with: a new node is all zero,
// pushDown makes an EMPTY wrapper that keeps the node's values, pullUp undoes
// a wrapper that got no operator, and freeTree releases both subtrees and
// clears the links (the sanitizer build reports anything left over).
#include <gtest/gtest.h>

#include "expr/expr.h"

TEST(ExprTree, NewNodeIsAllZero)
{
    ExprNode* node = newNode();
    EXPECT_EQ(node->op, EMPTY);
    EXPECT_EQ(node->sym, 0);
    EXPECT_EQ(node->left, nullptr);
    EXPECT_EQ(node->right, nullptr);
    EXPECT_EQ(node->intValue, 0);
    EXPECT_EQ(node->floatValue, 0.0);
    deleteTree(node);
    deleteTree(nullptr);
}

TEST(ExprTree, PushDownWrapsACopyAndKeepsTheValues)
{
    ExprNode* node = newNode();
    ExprNode* left = newNode();
    ExprNode* right = newNode();
    *node = ExprNode{PLUS, 7, left, right, 5, 2.5};
    pushDown(node);
    EXPECT_EQ(node->op, EMPTY);
    EXPECT_EQ(node->sym, 0);
    EXPECT_EQ(node->right, nullptr);
    EXPECT_EQ(node->intValue, 5);
    EXPECT_EQ(node->floatValue, 2.5);
    ASSERT_NE(node->left, nullptr);
    ExprNode* copy = node->left;
    EXPECT_EQ(copy->op, PLUS);
    EXPECT_EQ(copy->sym, 7);
    EXPECT_EQ(copy->left, left);
    EXPECT_EQ(copy->right, right);
    EXPECT_EQ(copy->intValue, 5);
    EXPECT_EQ(copy->floatValue, 2.5);
    deleteTree(node);
}

TEST(ExprTree, PushDownOfAnEmptyNodeDoesNothing)
{
    ExprNode* node = newNode();
    ExprNode* child = newNode();
    child->op = ID;
    node->left = child;
    pushDown(node);
    EXPECT_EQ(node->left, child);
    deleteTree(node);
}

TEST(ExprTree, PullUpTakesOverTheChild)
{
    ExprNode* node = newNode();
    ExprNode* grandchild = newNode();
    *node = ExprNode{MINUS, 0, grandchild, nullptr, 3, 0.0};
    pushDown(node);
    node->intValue = 99;
    pullUp(node);
    EXPECT_EQ(node->op, MINUS);
    EXPECT_EQ(node->left, grandchild);
    EXPECT_EQ(node->intValue, 3);  // the child's value, not the wrapper's
    deleteTree(node);
}

TEST(ExprTree, PullUpOfAnOperatorNodeDoesNothing)
{
    ExprNode* node = newNode();
    ExprNode* child = newNode();
    child->op = ICONST;
    *node = ExprNode{STAR, 0, child, nullptr, 0, 0.0};
    pullUp(node);
    EXPECT_EQ(node->op, STAR);
    EXPECT_EQ(node->left, child);
    deleteTree(node);
}

TEST(ExprTree, FreeTreeReleasesBothSubtreesAndClearsTheLinks)
{
    ExprNode* root = newNode();
    root->op = PLUS;
    root->left = newNode();
    root->left->left = newNode();
    root->left->right = newNode();
    root->right = newNode();
    root->right->left = newNode();
    freeTree(root);
    EXPECT_EQ(root->left, nullptr);
    EXPECT_EQ(root->right, nullptr);
    EXPECT_EQ(root->op, PLUS);
    freeTree(root);
    deleteTree(root);
}
