// Expression tree nodes: allocation, release, and the two wrapper moves the
// parser uses to build operator nodes in place.
#include "expr/expr.h"

// A node with every field zero.
ExprNode* newNode()
{
    return new ExprNode{};
}

void releaseNode(ExprNode* node)
{
    delete node;
}

// Releases both subtrees (left first) and nulls the links; the node itself
// stays with its owner.
void freeTree(ExprNode* node)
{
    if (node == nullptr) {
        return;
    }
    if (node->left != nullptr) {
        freeTree(node->left);
        releaseNode(node->left);
        node->left = nullptr;
    }
    if (node->right != nullptr) {
        freeTree(node->right);
        releaseNode(node->right);
        node->right = nullptr;
    }
}

void deleteTree(ExprNode* root)
{
    if (root == nullptr) {
        return;
    }
    freeTree(root);
    releaseNode(root);
}

// Turns a node that holds something into an EMPTY wrapper over a copy of it.
// Only op, sym, left and right are reset: the values stay in the wrapper.
void pushDown(ExprNode* node)
{
    if (node->op == EMPTY) {
        return;
    }
    ExprNode* copy = newNode();
    *copy = *node;
    node->op = EMPTY;
    node->sym = 0;
    node->left = copy;
    node->right = nullptr;
}

// Undoes pushDown when no operator was placed in the wrapper: the wrapper
// takes over its child's fields and the child node is released.
void pullUp(ExprNode* node)
{
    if (node->op != EMPTY || node->left == nullptr) {
        return;
    }
    ExprNode* child = node->left;
    *node = *child;
    releaseNode(child);
}
