#include "app/qt_port.h"

#include <QMessageBox>
#include <QString>
#include <QTime>

#include "app/canvas.h"
#include "app/main_window.h"
#include "app/record_panels.h"
#include "app/splash.h"
#include "soundlib/mizuhane_sound.h"

namespace {

// Where the window's top edge is reported when it is maximised.
constexpr double MAXIMISED_TOP = -60;

QString fromStd(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

void QtPort::drawPicture(int code, double x, double y) {
  window_.canvas().drawPicture(code, x, y);
}

void QtPort::drawRect(int colour, double x1, double y1, double x2, double y2) {
  window_.canvas().drawRect(colour, x1, y1, x2, y2);
}

void QtPort::drawText(double x, double y, const std::string& text, double size, int colour,
                      bool bold) {
  window_.canvas().drawText(x, y, fromStd(text), size, colour, bold);
}

void QtPort::setBackColour(int colour) {
  window_.canvas().setBackColour(colour);
}

// Painted at once, so that what the game drew shows while it goes on working (the computer's
// search does not return to the event loop).
void QtPort::refresh() {
  window_.refresh();
}

Answer QtPort::messageBox(const std::string& text, const std::string& title, Buttons buttons,
                          Icon icon) {
  window_.prepareDialog();
  QString shown = fromStd(text);
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  const bool yesNo = buttons == Buttons::YesNo;
  // Over the window when it shows; a box during start-up, before it does, sits mid-screen.
  QWidget* over = window_.isVisible() ? &window_ : nullptr;
  QMessageBox box(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                  fromStd(title), shown,
                  yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, over);
  box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
  const int answer = box.exec();
  if (!yesNo) return Answer::Ok;
  return answer == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void QtPort::setChecked(Menu entry, bool checked) {
  window_.setChecked(entry, checked);
}

bool QtPort::isChecked(Menu entry) const {
  return window_.isChecked(entry);
}

void QtPort::setEnabled(Menu entry, bool enabled) {
  window_.setEntryEnabled(entry, enabled);
}

void QtPort::setTimerEnabled(bool enabled) {
  window_.setTimerEnabled(enabled);
}

bool QtPort::timerEnabled() const {
  return window_.timerEnabled();
}

float QtPort::timeOfDay() {
  return QTime::currentTime().msecsSinceStartOfDay() / 1000.f;
}

void QtPort::wait(double seconds) {
  window_.pause(seconds);
}

void QtPort::showMainWindow(bool visible) {
  if (visible)
    window_.showOnScreen();
  else
    window_.hide();
}

double QtPort::mainWindowTop() const {
  if (window_.isMaximized()) return MAXIMISED_TOP;
  return window_.frameGeometry().top() * TWIPS_PER_PIXEL;
}

void QtPort::placeMainWindow(double left, double top, double width, double height) {
  window_.canvas().setClientSize(width, height);
  window_.move(toPixels(left), toPixels(top));
}

void QtPort::setSplashSize(double width, double height) {
  window_.splash().setClientSize(width, height);
}

void QtPort::showSplash(bool visible) {
  window_.splash().showCentred(visible);
}

void QtPort::placeSplashPicture(int index, double left, double top) {
  window_.splash().placePicture(index, left, top);
}

void QtPort::showSplashPicture(int index, bool visible) {
  window_.splash().showPicture(index, visible);
}

void QtPort::quit() {
  window_.endProgram();
}

void QtPort::setChooserVisible(bool drive, bool folder, bool files) {
  window_.panels().setChooserVisible(drive, folder, files);
}

void QtPort::setWritePanelVisible(bool visible) {
  window_.panels().setWritePanelVisible(visible);
}

std::string QtPort::fieldText(Field field) const {
  return window_.panels().fieldText(field).toStdString();
}

void QtPort::setFieldText(Field field, const std::string& text) {
  window_.panels().setFieldText(field, fromStd(text));
}

std::filesystem::path QtPort::selectedFolder() const {
  return window_.panels().selectedFolder();
}

void QtPort::refreshFileList() {
  window_.panels().refreshFileList();
}

int32_t QtPort::dsInitialize() {
  return ::dsInitialize(reinterpret_cast<void*>(window_.winId()));
}

int32_t QtPort::dsCreateDSB(int32_t device, const uint8_t* bytes, std::size_t length,
                            int32_t flags) {
  return ::dsCreateDSB(device, bytes, length, flags);
}

void QtPort::dsPlay(int32_t buffer) {
  ::dsPlay(buffer);
}

void QtPort::dsPlayLooping(int32_t buffer) {
  ::dsPlayLooping(buffer);
}

void QtPort::dsStop(int32_t buffer) {
  ::dsStop(buffer);
}

void QtPort::dsFree(int32_t buffer) {
  ::dsFree(buffer);
}

void QtPort::dsTerminate(int32_t device) {
  ::dsTerminate(device);
}
