// Expression tree nodes: allocation, release, and the two wrapper moves the
// parser uses to build operator nodes in place.
#include <memory>
#include <vector>

#include "expr/expr.h"

// Nodes are taken from blocks and kept on a free list when released: a
// statement builds and frees its trees over and over, and the general
// allocator was a tenth of the compile time. Under AddressSanitizer every
// node is a plain allocation, so a use after release is still caught.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool POOL_NODES = false;
#else
constexpr bool POOL_NODES = true;
#endif
constexpr int NODES_PER_BLOCK = 256;  // 12 KB: a statement rarely needs more
static std::vector<std::unique_ptr<ExprNode[]>> nodeBlocks;
static ExprNode* freeNodes;  // linked through left
static int nodesLeftInBlock;

// A node with every field zero.
ExprNode* newNode()
{
    if (!POOL_NODES) {
        return new ExprNode{};
    }
    ExprNode* node = freeNodes;
    if (node != nullptr) {
        freeNodes = node->left;
    } else {
        if (nodesLeftInBlock == 0) {
            nodeBlocks.push_back(std::make_unique<ExprNode[]>(NODES_PER_BLOCK));
            nodesLeftInBlock = NODES_PER_BLOCK;
        }
        node = &nodeBlocks.back()[NODES_PER_BLOCK - nodesLeftInBlock--];
    }
    *node = ExprNode{};
    return node;
}

void releaseNode(ExprNode* node)
{
    if (!POOL_NODES) {
        delete node;
        return;
    }
    node->left = freeNodes;
    freeNodes = node;
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
