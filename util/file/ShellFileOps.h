#pragma once
// Copying and deleting lists of files and folders, the work a Windows program
// hands to the shell. Linux has no shell operation of that kind, so it is done
// here, with the shell's answer: True when every item was handled, False at the
// first item that failed (the items before it stay handled).
//
// Deleting moves the items to the desktop's trash (the freedesktop.org trash
// that file managers show), from where the user can restore them; nothing asks
// for a confirmation first. A copy that may overwrite replaces each target file
// whole (write beside, then rename), so a failed copy leaves the old target intact.

#include <QString>
#include <QStringList>

namespace Ostrel7::shellops {

// The items of a source list: one path, or several separated by "," (not trimmed).
QStringList pathList(const QString& from);

// Copies every item (files, folders with their contents, or "*"/"?" patterns in
// an item's last part) to `to`: into the folder `to` when there are several
// sources, when `to` is a folder or ends with a separator; else to the file `to`.
// An existing target is replaced when overwrite is set; with renameOnCollision
// the copy takes the first free name "name (2).ext", "name (3).ext", ...;
// with neither the target is kept and the copy fails.
bool copyItems(const QStringList& items, const QString& to, bool overwrite, bool renameOnCollision);

// Moves every item (file, folder with its contents, or pattern) to the trash.
// An empty item, the root folder, an item that matches nothing and an item the
// trash cannot take (no usable trash, another volume) fail; such an item stays
// where it is, it is never deleted outright. A symbolic link is moved itself,
// never what it points to.
bool deleteItems(const QStringList& items);

} // namespace Ostrel7::shellops
