#include "ImageStrips.h"

#include "ResourceIds.h"

namespace varnwick {

namespace {

HIMAGELIST LoadStrip(int id, int width, COLORREF transparent) {
  return ImageList_LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), width, 0, transparent, IMAGE_BITMAP,
                              LR_CREATEDIBSECTION);
}

}  // namespace

HIMAGELIST LoadMemberIcons() { return LoadStrip(IDB_MEMBER_ICONS, kMemberIconWidth, RGB(255, 255, 255)); }
HIMAGELIST LoadCheckBoxes() { return LoadStrip(IDB_CHECK_BOXES, kCheckBoxWidth, RGB(255, 0, 255)); }

}  // namespace varnwick
