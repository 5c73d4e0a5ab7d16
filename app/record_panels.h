// The two groups of controls at the left of the main window that serve the record files: the
// file chooser (a root list, a folder tree and the list of record files, with the chosen
// folder's full path above them) and the write panel (four labelled fields and a button). Both
// start hidden; the game shows and hides them.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <filesystem>

#include "platform/port.h"

class FolderTree;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

// The places a folder can be chosen from: the file system's root, the home folder and the
// media mounted for this user.
QStringList driveRoots();

class RecordPanels : public QObject {
  Q_OBJECT

 public:
  // Creates the controls on the window's drawing surface; the chooser starts in the folder the
  // game runs in.
  explicit RecordPanels(QWidget* canvas);

  void setChooserVisible(bool drive, bool folder, bool files);
  void setWritePanelVisible(bool visible);
  QString fieldText(Field field) const;
  void setFieldText(Field field, const QString& text);
  std::filesystem::path selectedFolder() const;
  // Reads the record files of the selected folder again.
  void refreshFileList();

 signals:
  void driveChanged(bool ready);
  void folderChanged();
  void fileChosen(const std::filesystem::path& file);
  void returnClicked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildChooser(const QString& start);
  void buildWritePanel(QWidget* canvas);
  void reloadRoots();
  void chooseDrive(int index);
  void showFolder(const QString& folder);
  void showPath();
  // Gives the keyboard focus back to the window's drawing surface when a hidden control has it.
  void returnFocus();
  QLineEdit* field(Field f) const;

  QString folder_;  // the folder whose record files are listed
  QLabel* path_;    // its full path
  QComboBox* drive_;
  int driveIndex_ = 0;  // the root the tree shows
  FolderTree* folderTree_;
  QListWidget* files_;
  std::array<QLabel*, 4> labels_{};
  std::array<QLineEdit*, 4> fields_{};  // Text1 .. Text4
  QPushButton* return_;
};
