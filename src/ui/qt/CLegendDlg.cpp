#include "CLegendDlg.h"

#include <QFrame>
#include <QGridLayout>
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
  // The pictures and their labels keep their drawing; the window around them may grow, with "OK"
  // staying at its bottom right corner.
  const CDialogUnits units(font());
  m_canvas = new QWidget(this);
  m_canvas->setObjectName(QStringLiteral("canvas"));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("1"));
  ok->setFixedSize(units.X(50), units.Y(14));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  AddLabel(m_canvas, QStringLiteral("How to use in code Generate ..."), units.X(117), units.Y(5));
  AddLabel(m_canvas, QStringLiteral("Status..."), units.X(5), units.Y(5));
  AddMemberKinds();
  AddCheckStates();
  const QRect drawn = m_canvas->childrenRect();
  m_canvas->setFixedSize(drawn.right() + 1, drawn.bottom() + 1);

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, units.X(246 - 239), units.Y(121 - 114));
  layout->setSpacing(0);
  layout->addWidget(m_canvas, 0, 0, Qt::AlignLeft | Qt::AlignTop);
  layout->addWidget(ok, 1, 1, Qt::AlignRight | Qt::AlignBottom);
  layout->setRowStretch(0, 1);
  layout->setColumnStretch(0, 1);
  const QSize design(units.X(246), units.Y(121));
  setMinimumSize(design.expandedTo(layout->minimumSize()));
  resize(minimumSize());
}

void CLegendDlg::AddNamedPicture(int centreX, int pictureBottom, int labelTop, const QString& text) {
  AddVerticalLine(m_canvas, centreX, pictureBottom + 2, labelTop);
  AddLabel(m_canvas, text, centreX - kLabelLead, labelTop);
}

void CLegendDlg::AddMemberKinds() {
  // Icons 1 to 5, each named by a label lower down the further left it stands.
  const CDialogUnits units(font());
  constexpr int kSize = CMemberGridCtrl::kIconSize;
  const QPixmap icons = Strip(QStringLiteral(":/res/member%1.png"), 6, kSize);
  const QLabel* picture = AddPicture(m_canvas, icons, units.X(7), units.Y(20));
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
  const QLabel* picture = AddPicture(m_canvas, boxes, units.X(127), units.Y(21));
  const int bottom = picture->geometry().bottom();
  const auto centre = [&](int state) { return picture->x() + state * kSize + kSize / 2; };
  AddNamedPicture(centre(0), bottom, units.Y(84), QStringLiteral("will not generate the code"));
  AddNamedPicture(centre(1), bottom, units.Y(71), QStringLiteral("will generate the code"));
  const int specialTop = std::max(units.Y(33), bottom + 2);
  AddNamedPicture(centre(2), bottom, specialTop, QStringLiteral("special."));
  const QFontMetrics metrics(font());
  AddLabel(m_canvas, QStringLiteral("(CPtrList, Unknown class...)"), centre(2) - kLabelLead,
           std::max(units.Y(44), specialTop + metrics.height()));
}

}  // namespace varnwick
