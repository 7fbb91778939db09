// The list holds no items of its own (LVS_OWNERDATA): it asks for the text and the image
// of each item it is about to paint, so only the thumbnails in view are ever decoded.
#include "dialogs/win32/PhotoAlbumDialog.h"

#include "base/win32/WideText.h"
#include "dialogs/win32/DibPicture.h"
#include "dialogs/win32/PhotoAlbumDialogRes.h"
#include "dialogs/win32/PhotoWindow.h"
#include "dialogs/win32/ProblemBox.h"

namespace morvane::win32 {
namespace {

// Room for a thumbnail and three lines of its text under it.
constexpr int kItemWidth = 168;
constexpr int kItemHeight = 132;

}  // namespace

PhotoAlbumDialog::PhotoAlbumDialog(const DialogHost& host) : ModalDialog(host, IDD_PHOTO_ALBUM), host_(host)
{
}

void PhotoAlbumDialog::runModal(PhotoRecords& album)
{
    album_ = &album;
    texts_.clear();
    for (const std::string& line : album.lines())
        texts_.push_back(widenCodePage(line));
    imageOfLine_.assign(texts_.size(), std::nullopt);
    runDialog();
    album_ = nullptr;
}

void PhotoAlbumDialog::onInit()
{
    HWND list = item(IDC_PHOTO_LIST);
    images_ = ImageList_Create(kThumbnailWidth, kThumbnailHeight, ILC_COLOR24, 16, 16);
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(images_));
    SendMessageW(list, LVM_SETICONSPACING, 0, MAKELPARAM(kItemWidth, kItemHeight));
    SendMessageW(list, LVM_SETITEMCOUNT, texts_.size(), LVSICF_NOINVALIDATEALL);
    showProblems(item(IDC_PHOTO_PROBLEMS), album_->problems());
}

void PhotoAlbumDialog::onCommand(int id)
{
    if (id == IDC_PHOTO_OPEN)
        openChosen();
    else if (id == IDC_PHOTO_SAVE)
        album_->savePhotos();
    else
        Dialog::onCommand(id);
}

INT_PTR PhotoAlbumDialog::onMessage(UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_NOTIFY)
        return FALSE;
    const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
    if (header.idFrom != IDC_PHOTO_LIST)
        return FALSE;
    onListNotify(header);
    return TRUE;
}

// The list asks for what it paints, tells of a changed choice, and of a double click. Its
// search by typed letters finds nothing: the lines all begin with a category.
void PhotoAlbumDialog::onListNotify(const NMHDR& header)
{
    if (header.code == LVN_GETDISPINFOW) {
        LVITEMW& asked = reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header))->item;
        const auto line = static_cast<std::size_t>(asked.iItem);
        if (line >= texts_.size())
            return;
        if ((asked.mask & LVIF_TEXT) != 0 && asked.cchTextMax > 0)
            lstrcpynW(asked.pszText, texts_[line].c_str(), asked.cchTextMax);
        if ((asked.mask & LVIF_IMAGE) != 0)
            asked.iImage = imageOf(line);
    } else if (header.code == LVN_ITEMCHANGED) {
        EnableWindow(item(IDC_PHOTO_OPEN), chosenLine().has_value());
    } else if (header.code == LVN_ITEMACTIVATE) {
        openChosen();
    } else if (header.code == LVN_ODFINDITEMW) {
        SetWindowLongPtrW(window(), DWLP_MSGRESULT, -1);
    }
}

int PhotoAlbumDialog::imageOf(std::size_t line)
{
    if (!imageOfLine_[line]) {
        HBITMAP bitmap = DibPicture(album_->thumbnail(line)).createBitmap();
        const int added = bitmap == nullptr ? -1 : ImageList_Add(images_, bitmap, nullptr);
        imageOfLine_[line] = added < 0 ? I_IMAGENONE : added;
        DeleteObject(bitmap);
    }
    return *imageOfLine_[line];
}

std::optional<std::size_t> PhotoAlbumDialog::chosenLine() const
{
    const LRESULT chosen =
        SendMessageW(item(IDC_PHOTO_LIST), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    if (chosen < 0)
        return std::nullopt;
    return static_cast<std::size_t>(chosen);
}

void PhotoAlbumDialog::openChosen()
{
    const std::optional<std::size_t> line = chosenLine();
    if (!line)
        return;
    if (const std::optional<RgbImage> photo = album_->photo(*line))
        PhotoWindow(host_, *photo, texts_[*line]).run();
}

}  // namespace morvane::win32
