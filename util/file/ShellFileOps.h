#pragma once
// Copying and deleting lists of files and folders, the work a Windows program
// hands to the shell. Linux has no shell operation of that kind, so it is done
// here, with the shell's answer: True when every item was handled, False at the
// first item that failed (the items before it stay handled).
//
// Deleting deletes: there is no recycle bin behind it and nothing asks for a
// confirmation first. A copy that may overwrite replaces each target file whole
// (write beside, then rename), so a failed copy leaves the old target intact.

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

// Deletes every item (file, folder with its contents, or pattern). An empty
// item, the root folder and an item that matches nothing fail. A symbolic link
// is removed itself, never what it points to.
bool deleteItems(const QStringList& items);

} // namespace Ostrel7::shellops
