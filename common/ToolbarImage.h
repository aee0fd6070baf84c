#pragma once
// A toolbar picture of either program: a bitmap of the resource library whose
// magenta pixels (0xFF00FF, the image lists' mask colour) are transparent,
// scaled to the size of the toolbar's image list.

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace QelmCommon {

QIcon ToolbarImage(const QPixmap& bitmap, const QSize& size);

} // namespace QelmCommon
