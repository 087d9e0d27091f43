#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>

namespace quillby {

// The application's picture, a small crossword with a quill, drawn at any square size.
QImage AppIconImage(int size);
// The same picture at the usual icon sizes.
QIcon AppIcon();
// The same picture as an SVG document, for the desktop's scalable icon.
QByteArray AppIconSvg();

}  // namespace quillby
