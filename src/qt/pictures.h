#pragma once

#include <QIcon>
#include <QPixmap>

namespace varmio {

// Makes the pictures compiled into this library available; call once before the first window.
void initPictures();

// Logo `index` (0 to 8) for the window's left column, `size` pixels square.
QPixmap logoPixmap(int index, int size, qreal devicePixelRatio);

// Row images of the list views: 1 a folder, 2 a link; an empty icon otherwise.
QIcon listIcon(int image);
// Node images of the intranet tree: 1 project, 7 opened project, 5 intranet root, 6 root of an
// undefined intranet, 4 document; an empty icon otherwise.
QIcon treeIcon(int image);
// The folder list's entries: the opened path and the sub-folders.
QIcon folderIcon(bool open);
// A small picture for the working indicator.
QPixmap busyPixmap(int size, qreal devicePixelRatio);

}  // namespace varmio
