#include "dialogs/qt/AlbumListModel.h"

#include <QImage>

#include "dialogs/qt/QtText.h"

namespace morvane::qt {

int AlbumListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(album_.lines().size());
}

// The thumbnail stays where the records keep it, so the image only borrows its pixels.
QVariant AlbumListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount({}))
        return {};
    const auto line = static_cast<std::size_t>(index.row());
    if (role == Qt::DisplayRole)
        return qtText(album_.lines()[line]);
    if (role == Qt::SizeHintRole)
        return cell_;
    if (role != Qt::DecorationRole)
        return {};
    const RgbImage& thumbnail = album_.thumbnail(line);
    return QImage(thumbnail.rgb.data(), thumbnail.width, thumbnail.height, thumbnail.width * 3,
                  QImage::Format_RGB888);
}

}  // namespace morvane::qt
