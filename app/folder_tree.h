// The folder tree of the file chooser. It lists folders only, gives each its full name as a
// tooltip (the tree is narrow) and shows an expand arrow only on folders that have subfolders.
// What it shows moves only when the player moves it or when it is asked to show the chosen
// folder: folders read in the background, or changed on disk, never shift the rows in view.
#pragma once

#include <QPersistentModelIndex>
#include <QTreeView>

class FolderModel;
class QFileSystemModel;

class FolderTree : public QTreeView {
  Q_OBJECT

 public:
  explicit FolderTree(QWidget* parent);

  QFileSystemModel& folders() const;
  // Shows the folders below root; none is chosen then.
  void setRoot(const QString& root);
  // Makes the folder the chosen one without moving the view.
  void choose(const QString& folder);
  // Brings the chosen folder to the middle of the view and keeps it there while the folders
  // that hold it are still being read. Folders may have gained or lost subfolders since the
  // tree was last shown: their arrows are looked up again.
  void showChosen();

 protected:
  bool viewportEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The row at the top of the view becomes the one that stays in place.
  void holdTopRow();
  void hold(const QModelIndex& index);
  // Puts the held row back where it was after rows came or went above it.
  void restore();

  FolderModel* folders_;
  QPersistentModelIndex held_;
  int heldTop_ = 0;  // pixels from the top of the viewport
  bool restoring_ = false;
};
