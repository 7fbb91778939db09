// AlbumListModel: the photo album as a Qt list model, each row a photo's line and its
// thumbnail, which is decoded only when a view first asks for it.
#pragma once

#include <QAbstractListModel>
#include <QSize>

#include "ui/PhotoAlbumView.h"

namespace morvane::qt {

class AlbumListModel final : public QAbstractListModel {
public:
    // Each item takes `cell`: a thumbnail and the lines of its text under it.
    AlbumListModel(PhotoRecords& album, QSize cell, QObject* parent)
        : QAbstractListModel(parent), album_(album), cell_(cell)
    {
    }

    int rowCount(const QModelIndex& parent) const override;
    // The line (DisplayRole), the thumbnail as a QImage (DecorationRole) and the cell
    // (SizeHintRole), which spares a view measuring the text and decoding the thumbnail.
    QVariant data(const QModelIndex& index, int role) const override;

private:
    PhotoRecords& album_;
    QSize cell_;
};

}  // namespace morvane::qt
