#include "CLegendDlg.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "CMemberGridCtrl.h"
#include "UiText.h"

namespace varnwick {

namespace {

// A label starts this far left of the line that runs down to it.
constexpr int kLabelLead = 2;

// The images of one resource family side by side, as one picture.
QPixmap Strip(const QString& pattern, int count, int size) {
  QPixmap strip(size * count, size);
  strip.fill(Qt::transparent);
  QPainter painter(&strip);
  for (int index = 0; index < count; ++index) painter.drawPixmap(index * size, 0, QPixmap(pattern.arg(index)));
  return strip;
}

QLabel* AddLabel(QWidget* parent, const QString& text, int x, int y) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  label->move(x, y);
  label->adjustSize();
  return label;
}

QLabel* AddPicture(QWidget* parent, const QPixmap& picture, int x, int y) {
  auto* label = new QLabel(parent);
  label->setPixmap(picture);
  label->setGeometry(x, y, picture.width(), picture.height());
  return label;
}

void AddVerticalLine(QWidget* parent, int x, int top, int bottom) {
  if (bottom <= top) return;
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::VLine);
  line->setFrameShadow(QFrame::Plain);
  line->setLineWidth(1);
  line->setGeometry(x, top, 1, bottom - top);
}

}  // namespace

CLegendDlg::CLegendDlg(QWidget* owner) : QDialog(owner) {
  EnsureResources();
  setWindowTitle(QStringLiteral("Legenda"));
  CreateControls();
}

void CLegendDlg::CreateControls() {
  const CDialogUnits units(font());
  setFixedSize(units.X(246), units.Y(121));

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("1"));
  ok->setGeometry(units.Rect(189, 100, 50, 14));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  AddLabel(this, QStringLiteral("How to use in code Generate ..."), units.X(117), units.Y(5));
  AddLabel(this, QStringLiteral("Status..."), units.X(5), units.Y(5));
  AddMemberKinds();
  AddCheckStates();
}

void CLegendDlg::AddNamedPicture(int centreX, int pictureBottom, int labelTop, const QString& text) {
  AddVerticalLine(this, centreX, pictureBottom + 2, labelTop);
  AddLabel(this, text, centreX - kLabelLead, labelTop);
}

void CLegendDlg::AddMemberKinds() {
  // Icons 1 to 5, each named by a label lower down the further left it stands.
  const CDialogUnits units(font());
  constexpr int kSize = CMemberGridCtrl::kIconSize;
  const QPixmap icons = Strip(QStringLiteral(":/res/member%1.png"), 6, kSize);
  const QLabel* picture = AddPicture(this, icons, units.X(7), units.Y(20));
  const int bottom = picture->geometry().bottom();
  const int left = picture->x();
  const QString names[] = {QStringLiteral("member of a dialog"), QStringLiteral("pointer"),
                           QStringLiteral("static"), QStringLiteral("const"), QStringLiteral("static const")};
  const int labelTops[] = {76, 65, 55, 44, 33};
  for (int kind = 1; kind <= 5; ++kind) {
    const int centre = left + kind * kSize + kSize / 2;
    AddNamedPicture(centre, bottom, std::max(units.Y(labelTops[kind - 1]), bottom + 2), names[kind - 1]);
  }
}

void CLegendDlg::AddCheckStates() {
  const CDialogUnits units(font());
  constexpr int kSize = CMemberGridCtrl::kCheckImageSize;
  const QPixmap boxes = Strip(QStringLiteral(":/res/check%1.png"), 3, kSize);
  const QLabel* picture = AddPicture(this, boxes, units.X(127), units.Y(21));
  const int bottom = picture->geometry().bottom();
  const auto centre = [&](int state) { return picture->x() + state * kSize + kSize / 2; };
  AddNamedPicture(centre(0), bottom, units.Y(84), QStringLiteral("will not generate the code"));
  AddNamedPicture(centre(1), bottom, units.Y(71), QStringLiteral("will generate the code"));
  const int specialTop = std::max(units.Y(33), bottom + 2);
  AddNamedPicture(centre(2), bottom, specialTop, QStringLiteral("special."));
  const QFontMetrics metrics(font());
  AddLabel(this, QStringLiteral("(CPtrList, Unknown class...)"), centre(2) - kLabelLead,
           std::max(units.Y(44), specialTop + metrics.height()));
}

}  // namespace varnwick
