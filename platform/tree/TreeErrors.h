#pragma once
// Error numbers of the tree and image-list controls. The suite's dialogs
// report them through their error traps like any runtime error, so they
// carry the controls' own numbers and texts.

#include "platform/RuntimeError.h"

namespace platform::tree {

enum TreeErrorNumber : int32_t {
    errIndexOutOfBounds = 35600,   // Item(index) outside 1..Count
    errElementNotFound = 35601,    // unknown node key, relative key or image key
    errKeyNotUnique = 35602,       // Add with a key its table already holds
    errImageListNotSet = 35613,    // a node asks for an image but the tree has no image list
};

// The error with the control's text for its number.
RuntimeError treeError(int32_t number);

} // namespace platform::tree
