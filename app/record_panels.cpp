#include "app/record_panels.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <vector>

#include "app/canvas.h"
#include "app/folder_tree.h"

namespace {

const QString RECORD_PATTERN = QStringLiteral("*.棋譜");

QRect twipRect(double left, double top, double width, double height) {
  return QRect(toPixels(left), toPixels(top), toPixelSize(width), toPixelSize(height));
}

// The write panel, row by row as the labels Label1(0..3) are numbered: caption, top in twips
// and the field of that row.
struct Row {
  const char* caption;
  double top;
  Field field;
};
constexpr std::array<Row, 4> ROWS = {{
    {"ﾌｧｲﾙ名 ：", 3120, Field::Text1},
    {"後    手 ：", 2880, Field::Text4},
    {"先    手 ：", 2640, Field::Text3},
    {"対 局 名：", 2400, Field::Text2},
}};
// The fields from the top of the panel down: the order of the Tab key and of the first empty
// field that gets the keyboard.
constexpr std::array<Field, 4> SCREEN_ORDER = {Field::Text2, Field::Text3, Field::Text4,
                                               Field::Text1};

bool isReady(const QString& root) {
  const QFileInfo info(root);
  return info.isDir() && info.isReadable() && info.isExecutable();
}

// The listed root that holds the folder, the longest one when several do.
int rootOf(const QStringList& roots, const QString& folder) {
  int best = 0;
  for (int i = 0; i < roots.size(); ++i) {
    const QString prefix = roots[i].endsWith('/') ? roots[i] : roots[i] + '/';
    const bool holds = folder == roots[i] || folder.startsWith(prefix);
    if (holds && roots[i].size() > roots[best].size()) best = i;
  }
  return best;
}

std::filesystem::path toPath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace

QStringList driveRoots() {
  QStringList roots{QStringLiteral("/")};
  const QString home = QDir::homePath();
  if (home != roots.front()) roots << home;
  const QString user = qEnvironmentVariable("USER", QDir::home().dirName());
  for (const QString& base : {"/media/" + user, "/run/media/" + user, QStringLiteral("/mnt")}) {
    const QDir dir(base);
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
      roots << dir.filePath(name);
  }
  return roots;
}

RecordPanels::RecordPanels(QWidget* canvas)
    : QObject(canvas),
      path_(new QLabel(canvas)),
      drive_(new QComboBox(canvas)),
      folderTree_(new FolderTree(canvas)),
      files_(new QListWidget(canvas)),
      return_(new QPushButton(QStringLiteral("RETURN"), canvas)) {
  buildChooser(QDir::currentPath());
  buildWritePanel(canvas);
  // Tab goes down the screen, the chooser first.
  std::vector<QWidget*> tabs = {drive_, folderTree_, files_};
  for (const Field f : SCREEN_ORDER) tabs.push_back(field(f));
  tabs.push_back(return_);
  for (std::size_t i = 1; i < tabs.size(); ++i) QWidget::setTabOrder(tabs[i - 1], tabs[i]);
  setChooserVisible(false, false, false);
  setWritePanelVisible(false);
}

void RecordPanels::buildChooser(const QString& start) {
  const QStringList roots = driveRoots();
  driveIndex_ = rootOf(roots, start);
  const QString& root = roots[driveIndex_];
  path_->setObjectName(QStringLiteral("FolderPath"));
  path_->setGeometry(twipRect(240, 60, 2535, 285));
  path_->setAutoFillBackground(true);
  // A folder's name is never markup.
  path_->setTextFormat(Qt::PlainText);
  drive_->setObjectName(QStringLiteral("Drive1"));
  drive_->addItems(roots);
  drive_->setCurrentIndex(driveIndex_);
  drive_->setGeometry(twipRect(240, 360, 2535, 300));
  connect(drive_, &QComboBox::activated, this, &RecordPanels::chooseDrive);

  folderTree_->setObjectName(QStringLiteral("Dir1"));
  folderTree_->setRoot(root);
  folderTree_->setGeometry(twipRect(240, 600, 2535, 1710));
  if (start != root) folderTree_->setCurrentIndex(folderTree_->folders().index(start));
  connect(folderTree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (!current.isValid()) return;
            showFolder(folderTree_->folders().filePath(current));
            emit folderChanged();
          });

  files_->setObjectName(QStringLiteral("File1"));
  files_->setGeometry(twipRect(240, 2280, 2535, 930));
  files_->installEventFilter(this);
  connect(files_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    emit fileChosen(toPath(item->data(Qt::UserRole).toString()));
  });
  showFolder(start);
}

void RecordPanels::buildWritePanel(QWidget* canvas) {
  for (std::size_t i = 0; i < ROWS.size(); ++i) {
    auto* label = new QLabel(QString::fromUtf8(ROWS[i].caption), canvas);
    label->setObjectName(QStringLiteral("Label1_%1").arg(i));
    label->setGeometry(twipRect(120, ROWS[i].top, 855, 255));
    label->setAutoFillBackground(true);
    labels_[i] = label;
    auto* edit = new QLineEdit(canvas);
    const int f = static_cast<int>(ROWS[i].field);
    edit->setObjectName(QStringLiteral("Text%1").arg(f + 1));
    edit->setGeometry(twipRect(960, ROWS[i].top, 2295, 270));
    // Return in a field is the RETURN button, as in a dialog.
    connect(edit, &QLineEdit::returnPressed, this, &RecordPanels::returnClicked);
    fields_[f] = edit;
  }
  return_->setObjectName(QStringLiteral("Command1"));
  return_->setGeometry(twipRect(3360, 3000, 855, 375));
  // Return presses the button when it has the keyboard, like Space.
  return_->setAutoDefault(true);
  connect(return_, &QPushButton::clicked, this, &RecordPanels::returnClicked);
}

void RecordPanels::setChooserVisible(bool drive, bool folder, bool files) {
  // Media come and go while the game runs: list what is mounted now, and what is in the folder.
  if (drive && drive_->isHidden()) reloadRoots();
  if (files && files_->isHidden()) refreshFileList();
  const bool treeAppears = folder && folderTree_->isHidden();
  if ((drive || folder) && path_->isHidden()) showPath();
  path_->setVisible(drive || folder);
  drive_->setVisible(drive);
  folderTree_->setVisible(folder);
  files_->setVisible(files);
  if (treeAppears) folderTree_->showChosen();
  returnFocus();
}

void RecordPanels::setWritePanelVisible(bool visible) {
  const bool appears = visible && return_->isHidden();
  for (QLabel* label : labels_) label->setVisible(visible);
  for (QLineEdit* edit : fields_) edit->setVisible(visible);
  return_->setVisible(visible);
  returnFocus();
  if (!appears) return;
  QWidget* first = return_;
  for (const Field f : SCREEN_ORDER) {
    if (fieldText(f).isEmpty()) {
      first = field(f);
      break;
    }
  }
  first->setFocus(Qt::OtherFocusReason);
}

void RecordPanels::returnFocus() {
  // A hidden control may keep the keyboard focus, and Return would still load the file it
  // lists; the keys belong to the window again once the control is gone.
  auto* canvas = static_cast<QWidget*>(parent());
  QWidget* focus = canvas->window()->focusWidget();
  if (focus && canvas->isAncestorOf(focus) && !focus->isVisibleTo(canvas)) canvas->setFocus();
}

QLineEdit* RecordPanels::field(Field f) const {
  return fields_.at(static_cast<int>(f));
}

QString RecordPanels::fieldText(Field f) const {
  return field(f)->text();
}

void RecordPanels::setFieldText(Field f, const QString& text) {
  field(f)->setText(text);
}

std::filesystem::path RecordPanels::selectedFolder() const {
  return toPath(folder_);
}

void RecordPanels::refreshFileList() {
  files_->clear();
  const QDir dir(folder_);
  for (const QFileInfo& info : dir.entryInfoList({RECORD_PATTERN}, QDir::Files, QDir::Name)) {
    auto* item = new QListWidgetItem(info.fileName(), files_);
    item->setData(Qt::UserRole, info.absoluteFilePath());
  }
}

void RecordPanels::reloadRoots() {
  const QString shown = drive_->itemText(driveIndex_);
  QStringList roots = driveRoots();
  if (!roots.contains(shown)) roots << shown;
  const QSignalBlocker block(drive_);
  drive_->clear();
  drive_->addItems(roots);
  driveIndex_ = roots.indexOf(shown);
  drive_->setCurrentIndex(driveIndex_);
}

void RecordPanels::chooseDrive(int index) {
  // Picking the drive that is already chosen changes nothing.
  if (index == driveIndex_) return;
  const QString root = drive_->itemText(index);
  const bool ready = isReady(root);
  if (ready) {
    driveIndex_ = index;
    folderTree_->setRoot(root);
    showFolder(root);
  } else {
    // The list keeps showing the root whose folders the tree shows.
    const QSignalBlocker block(drive_);
    drive_->setCurrentIndex(driveIndex_);
  }
  emit driveChanged(ready);
  if (ready) emit folderChanged();
}

void RecordPanels::showFolder(const QString& folder) {
  folder_ = folder;
  showPath();
  refreshFileList();
}

void RecordPanels::showPath() {
  // A long path keeps both ends: the root it starts from and the folder itself.
  const int room = path_->contentsRect().width();
  path_->setText(path_->fontMetrics().elidedText(folder_, Qt::ElideMiddle, room));
  path_->setToolTip(folder_);
}

bool RecordPanels::eventFilter(QObject* watched, QEvent* event) {
  // Return on a record file loads it, like a click.
  if (watched == files_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    QListWidgetItem* item = files_->currentItem();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && item) {
      emit fileChosen(toPath(item->data(Qt::UserRole).toString()));
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}
