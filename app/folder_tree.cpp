#include "app/folder_tree.h"

#include <QDirIterator>
#include <QFileSystemModel>
#include <QHash>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QScrollBar>

class FolderModel : public QFileSystemModel {
 public:
  explicit FolderModel(QObject* parent) : QFileSystemModel(parent) {
    setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    // A folder read again may have gained or lost subfolders.
    connect(this, &QFileSystemModel::directoryLoaded, this,
            [this](const QString& path) { peeked_.remove(path); });
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (role == Qt::ToolTipRole && index.column() == 0) return fileName(index);
    return QFileSystemModel::data(index, role);
  }

  // The model takes every folder for one with children until it has read it; a look on disk
  // tells before the player opens it.
  bool hasChildren(const QModelIndex& parent) const override {
    if (!parent.isValid() || parent.column() > 0 || !isDir(parent))
      return QFileSystemModel::hasChildren(parent);
    return rowCount(parent) > 0 || hasSubfolder(filePath(parent));
  }

  void forgetSubfolders() { peeked_.clear(); }

 private:
  bool hasSubfolder(const QString& path) const {
    const auto known = peeked_.constFind(path);
    if (known != peeked_.cend()) return *known;
    const QDirIterator it(path, QDir::Dirs | QDir::NoDotAndDotDot | (filter() & QDir::Hidden));
    return peeked_[path] = it.hasNext();
  }

  mutable QHash<QString, bool> peeked_;
};

FolderTree::FolderTree(QWidget* parent) : QTreeView(parent), folders_(new FolderModel(this)) {
  setModel(folders_);
  for (int column = 1; column < folders_->columnCount(); ++column) hideColumn(column);
  setHeaderHidden(true);
  // Scrolling by whole pixels lets a row go back exactly where it was.
  setVerticalScrollMode(ScrollPerPixel);
  for (const auto change : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
    connect(folders_, change, this, &FolderTree::restore);
  connect(folders_, &QAbstractItemModel::layoutChanged, this, &FolderTree::restore);
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
    if (!restoring_) holdTopRow();
  });
}

QFileSystemModel& FolderTree::folders() const {
  return *folders_;
}

void FolderTree::setRoot(const QString& root) {
  held_ = QPersistentModelIndex();
  folders_->setRootPath(root);
  setRootIndex(folders_->index(root));
  setCurrentIndex(QModelIndex());
}

void FolderTree::showChosen() {
  folders_->forgetSubfolders();
  const QModelIndex chosen = currentIndex();
  if (!chosen.isValid()) return holdTopRow();
  {
    const QScopedValueRollback guard(restoring_, true);
    // Opens the folders that hold it.
    scrollTo(chosen, PositionAtCenter);
  }
  held_ = chosen;
  heldTop_ = (viewport()->height() - visualRect(chosen).height()) / 2;
  restore();
}

bool FolderTree::viewportEvent(QEvent* event) {
  // A click may open a folder: the rows above it stay where the player saw them.
  if (event->type() == QEvent::MouseButtonPress) holdTopRow();
  return QTreeView::viewportEvent(event);
}

void FolderTree::keyPressEvent(QKeyEvent* event) {
  holdTopRow();
  QTreeView::keyPressEvent(event);
}

void FolderTree::holdTopRow() {
  hold(indexAt(QPoint(0, 0)));
}

void FolderTree::hold(const QModelIndex& index) {
  held_ = index;
  heldTop_ = index.isValid() ? visualRect(index).top() : 0;
}

void FolderTree::restore() {
  if (!held_.isValid()) return;
  const QScopedValueRollback guard(restoring_, true);
  executeDelayedItemsLayout();
  const QRect now = visualRect(held_);
  if (now.isValid())
    verticalScrollBar()->setValue(verticalScrollBar()->value() + now.top() - heldTop_);
}
