// The pictures of the windows: the main window's picture (a JPEG resource),
// the tool-bar images and the window icon, all drawn for this program.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace kau::ide {

// Indexes into the tool-bar image list.
enum ImageIndex {
  kImageNovo, kImageAbrir, kImageSalvar, kImageImprimir, kImageLocalizar,
  kImageRecortar, kImageCopiar, kImageColar, kImageDesfazer, kImageRefazer,
  kImageCascata, kImageHorizontal, kImageLadoLado, kImageNotepad,
  kImageCalculadora, kImageInternet, kImageDos, kImageWindowsExplorer,
  kImageExecutar, kImageTaloExplorer, kImageHelp, kImageSpare,
  kImageTab,  // 22: every editor tab shows it
  kImageCount
};

// The 257 x 41 picture that the main window shows behind its editor windows
// and that the splash and the about box copy.
QPixmap MainPicture();
// One icon of `ImageList1` (16 x 16).
QIcon ImageListIcon(int index);
QIcon WindowIcon();

}  // namespace kau::ide
