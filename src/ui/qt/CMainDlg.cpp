#include "CMainDlg.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTimer>
#include <QUrl>
#include <utility>

#include "CClassFilterEdit.h"
#include "CClassListBox.h"
#include "CDocumentation.h"
#include "CDropTarget.h"
#include "CHyperLinkEdit.h"
#include "CMainStatusBar.h"
#include "CMemberGridCtrl.h"
#include "CMemberViews.h"
#include "CReadInputGuard.h"
#include "CReadStatusLine.h"
#include "CWholeRowsHolder.h"
#include "ShellCommands.h"
#include "UiText.h"

namespace varnwick {

namespace {

// The keyboard opens the context menu this far inside the client area's corner.
constexpr int kMenuKeyOffset = 5;
// The member list never shows fewer rows than this, however small the window.
constexpr int kMemberListMinimumRows = 2;

QPushButton* CreateButton(const QString& text, const QString& id, QSize size, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(id);
  button->setFixedSize(size);
  return button;
}

}  // namespace

CMainDlg::CMainDlg(std::vector<std::string> startupFiles, std::shared_ptr<CDialogs> dialogs, QWidget* parent,
                   CShellClock clock, std::shared_ptr<CSettingsStore> settings)
    : QDialog(parent),
      m_dialogs(dialogs ? std::move(dialogs) : std::make_shared<CDialogs>()),
      m_settingsStore(settings ? std::move(settings) : std::make_shared<CMemorySettings>()),
      m_windowSettings(*m_settingsStore),
      m_menus(this),
      m_shell(std::make_unique<CMainShell>(static_cast<CShellHost&>(*this), std::move(clock), m_settingsStore.get())) {
  EnsureResources();
  setWindowTitle(QStringLiteral("Varnwick"));
  setWindowIcon(QIcon(QStringLiteral(":/res/varnwick.png")));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  CreateControls();
  LayOut();
  SetTabOrder();
  RestorePlacement();
  ConnectSignals();
  m_shell->LoadStartupFiles(startupFiles);
}

CMainDlg::CMainDlg(const std::string& startupFile, std::shared_ptr<CDialogs> dialogs, QWidget* parent)
    : CMainDlg(startupFile.empty() ? std::vector<std::string>() : std::vector<std::string>{startupFile},
               std::move(dialogs), parent) {}

CMainDlg::~CMainDlg() { qApp->removeEventFilter(this); }

void CMainDlg::CreateControls() {
  const CDialogUnits units(font());
  m_client = new QWidget(this);
  m_client->setObjectName(QStringLiteral("client"));

  m_quit = CreateButton(QStringLiteral("Quit"), QStringLiteral("1"), QSize(units.X(50), units.Y(14)), m_client);
  m_quit->setDefault(true);

  m_filter = new CClassFilterEdit(m_client);
  m_classList = new CClassListBox(m_client);
  m_memberList = new CListBox(m_client, QStringLiteral("1001"));
  m_memberHolder = new CWholeRowsHolder(m_memberList, kMemberListMinimumRows, m_client);
  m_grid = new CMemberGridCtrl(m_client);
  m_grid->setObjectName(QStringLiteral("1003"));
  m_memberViews = std::make_unique<CMemberViews>(*m_memberList, *m_grid);
  m_grid->SetColumnHeadings({QStringLiteral("Class"), QStringLiteral("Member")});
  m_grid->ShareWidth();
  m_grid->SetSortable(true);
  m_grid->SetCheckBoxes(true);

  m_checkPtrList = new QCheckBox(QStringLiteral("Enable looking for CPtrList"), m_client);
  m_checkPtrList->setObjectName(QStringLiteral("1006"));
  m_checkPtrList->setChecked(m_shell->CheckPtrList());

  m_separator = new QFrame(m_client);
  m_separator->setFrameShape(QFrame::HLine);
  m_separator->setFrameShadow(QFrame::Plain);
  m_separator->setFixedHeight(1);

  m_help = CreateButton(QStringLiteral("Help"), QStringLiteral("1007"), QSize(units.X(49), units.Y(12)), m_client);
  m_link = new CHyperLinkEdit(m_client);
  m_link->setObjectName(QStringLiteral("1010"));
  m_link->setFixedHeight(units.Y(12));
  m_link->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  m_link->setAcceptDrops(false);  // a drop over the link is the window's
  const QUrl documents = QUrl::fromLocalFile(CDocumentation::OfRunningProgram().Folder() + QLatin1Char('/'));
  m_link->SetLink(documents.toString(), documents.path());
  // The whole address shows at any size the window can take.
  m_link->setMinimumWidth(m_link->sizeHint().width());
  m_link->SetTeller([this](const QString& message) { m_dialogs->Message(this, message); });

  m_statusBar = new CMainStatusBar(m_client);
  m_progress = m_statusBar->Progress();
  m_dropTarget = new CDropTarget(this);
}

// The dialog's tab order, the filter before the list it filters. Laying out re-parents the
// controls, which reorders the focus chain, so the order is set once they stand in place.
void CMainDlg::SetTabOrder() {
  QWidget* const order[] = {m_quit, m_filter, m_classList, m_memberList, m_grid, m_checkPtrList, m_help};
  for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void CMainDlg::LayOut() {
  // Dialog 102 with room to grow: the class list beside a splitter on the left; on the right the
  // grid, under it the member list with "Help" and "Quit", the separator, the check box and the
  // link. The lists and the grid take the growth; buttons, check box and link keep their edges.
  const CDialogUnits units(font());
  auto* left = new QWidget;
  auto* leftColumn = new QVBoxLayout(left);
  leftColumn->setContentsMargins(0, units.Y(1), 0, 0);
  leftColumn->setSpacing(units.Y(1));
  leftColumn->addWidget(m_filter);
  leftColumn->addWidget(m_classList, 1);

  auto* buttons = new QVBoxLayout;
  buttons->setSpacing(0);
  buttons->addWidget(m_help);
  buttons->addStretch(1);
  buttons->addWidget(m_quit);
  auto* members = new QHBoxLayout;
  members->setContentsMargins(0, 0, units.X(4), 0);
  members->setSpacing(units.X(10));
  members->addWidget(m_memberHolder, 1);
  members->addLayout(buttons);
  auto* bottom = new QHBoxLayout;
  bottom->setContentsMargins(0, 0, units.X(4), 0);
  bottom->addWidget(m_checkPtrList);
  bottom->addStretch(1);
  bottom->addWidget(m_link);

  auto* right = new QWidget;
  auto* rightColumn = new QVBoxLayout(right);
  rightColumn->setContentsMargins(0, 0, 0, 0);
  rightColumn->setSpacing(0);
  rightColumn->addWidget(m_grid, 90);  // the heights of dialog 102
  rightColumn->addSpacing(units.Y(4));
  rightColumn->addLayout(members, 33);
  rightColumn->addSpacing(units.Y(1));
  rightColumn->addWidget(m_separator);
  rightColumn->addSpacing(units.Y(2));
  rightColumn->addLayout(bottom);

  m_splitter = new QSplitter(Qt::Horizontal);
  m_splitter->setObjectName(QStringLiteral("splitter"));
  m_splitter->setChildrenCollapsible(false);
  m_splitter->setHandleWidth(units.X(3));
  m_splitter->addWidget(left);
  m_splitter->addWidget(right);
  m_splitter->setStretchFactor(0, 1);
  m_splitter->setStretchFactor(1, 3);
  m_splitter->setSizes({units.X(81), units.X(331 - 86 - 3)});

  auto* work = new QHBoxLayout;
  work->setContentsMargins(units.X(2), units.Y(1), units.X(3), units.Y(3));
  work->addWidget(m_splitter);
  auto* client = new QVBoxLayout(m_client);
  client->setContentsMargins(0, 0, 0, 0);
  client->setSpacing(0);
  client->addLayout(work, 1);
  client->addWidget(m_statusBar);

  auto* window = new QVBoxLayout(this);
  window->setContentsMargins(0, 0, 0, 0);
  window->setSpacing(0);
  window->setMenuBar(m_menus.MenuBar());
  window->addWidget(m_client);
  // It opens at the size of dialog 102.
  resize(QSize(units.X(331), m_menus.MenuBar()->sizeHint().height() + units.Y(145)).expandedTo(minimumSizeHint()));
}

void CMainDlg::ConnectSignals() {
  CMainShell& shell = *m_shell;
  connect(m_menus.MenuBar(), &QMenuBar::triggered, this,
          [&shell](QAction* action) { shell.RunCommand(action->data().toInt()); });
  connect(m_quit, &QPushButton::clicked, this, [this] { CloseIfAllowed(CCloseRequest::kQuitButton, Accepted); });
  connect(m_help, &QPushButton::clicked, this, [&shell] { shell.RunCommand(kCommandHelp); });
  // The selection, not the current row: a mouse press moves the current row before it selects.
  connect(m_classList, &QListWidget::itemSelectionChanged, this,
          [this, &shell] { shell.SelectClassRow(m_classList->SelectedRow()); });
  connect(m_checkPtrList, &QCheckBox::toggled, this, [&shell](bool on) { shell.SetCheckPtrList(on); });
  connect(m_filter, &QLineEdit::textChanged, this, [&shell](const QString& text) { shell.SetFilter(ToBytes(text)); });
  connect(m_filter, &CClassFilterEdit::LeaveForList, this, [this] { m_classList->setFocus(Qt::TabFocusReason); });
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this), &QShortcut::activated, this, [this] {
    m_filter->setFocus(Qt::ShortcutFocusReason);
    m_filter->selectAll();
  });
  connect(new QShortcut(QKeySequence::Delete, m_classList, nullptr, nullptr, Qt::WidgetShortcut),
          &QShortcut::activated, this, [&shell] { shell.RunCommand(kCommandClassDelete); });
  connect(m_grid, &CMemberGridCtrl::ToggleRequested, this,
          [&shell](int row) { shell.ToggleMemberState(static_cast<std::size_t>(row)); });
  connect(m_grid, &CMemberGridCtrl::SortRequested, this, [&shell](int column) { shell.SortMembers(column); });
  connect(m_progress, &CReadStatusLine::CancelClicked, this, [&shell] { shell.CancelRead(); });
  connect(m_dropTarget, &CDropTarget::Dropped, this,
          [&shell](const std::vector<CDroppedPath>& paths) { shell.Drop(paths); });
  // Shift+F10 opens the context menu whichever control has the focus.
  qApp->installEventFilter(this);
  // Installed after the window's filter, so that it sees the keys first.
  m_inputGuard = new CReadInputGuard(*this, *m_progress, [&shell] { return shell.IsReading(); },
                                     [this] { CloseIfAllowed(CCloseRequest::kEscape, Rejected); });
}

void CMainDlg::RestorePlacement() {
  std::vector<CScreenArea> screens;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect room = screen->availableGeometry();
    screens.push_back({room.x(), room.y(), room.width(), room.height()});
  }
  const std::optional<CWindowPlacement> placement = m_windowSettings.MainWindow(screens);
  if (!placement) return;
  setGeometry(QRect(placement->x, placement->y, placement->width, placement->height));
  resize(size().expandedTo(minimumSizeHint()));
  if (placement->maximised) setWindowState(windowState() | Qt::WindowMaximized);
}

// Once the window has its size: the splitter spreads what it is given by its own rule until then.
void CMainDlg::RestoreSplitter() {
  const std::optional<std::vector<int>> sizes = m_windowSettings.SplitterSizes();
  if (sizes && static_cast<int>(sizes->size()) == m_splitter->count())
    m_splitter->setSizes(QList<int>(sizes->begin(), sizes->end()));
}

void CMainDlg::KeepPlacement() {
  const QRect normal = isMaximized() ? normalGeometry() : geometry();
  m_windowSettings.SetMainWindow({normal.x(), normal.y(), normal.width(), normal.height(), isMaximized()});
  const QList<int> sizes = m_splitter->sizes();
  m_windowSettings.SetSplitterSizes(std::vector<int>(sizes.begin(), sizes.end()));
}

void CMainDlg::done(int result) {
  KeepPlacement();
  QDialog::done(result);
}

void CMainDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Once the window is up: the splitter as the user left it, now that the window has its size;
  // the start-up messages stand in front of it, centred, and the focus starts where the shell
  // places it.
  if (std::exchange(m_bShown, true)) return;
  RestoreSplitter();
  QTimer::singleShot(0, this, [this] { m_shell->WindowShown(); });
}

void CMainDlg::ShowClassList() { m_classList->Show(*m_shell); }
void CMainDlg::InsertClassRow(std::size_t row) { m_classList->InsertRow(*m_shell, row); }
void CMainDlg::ShowClassRow(std::size_t row) { m_classList->ShowRow(*m_shell, row); }
void CMainDlg::ShowSelection(bool bringIntoView) { m_classList->ShowSelection(*m_shell, bringIntoView); }
void CMainDlg::ShowMembers() { m_memberViews->Show(m_shell->Members()); }
void CMainDlg::ShowMemberState(std::size_t gridRow) { m_memberViews->ShowState(m_shell->Members(), gridRow); }

void CMainDlg::ShowCheckPtrList() {
  const QSignalBlocker quiet(m_checkPtrList);
  m_checkPtrList->setChecked(m_shell->CheckPtrList());
}

void CMainDlg::ShowProgress(const CReadProgress& progress) { m_statusBar->ShowProgress(ToQString(progress.text)); }

void CMainDlg::HideProgress() { m_statusBar->HideProgress(); }
// Paints the grown list and lets Cancel through; the input guard holds back every other input.
void CMainDlg::Refresh() { QCoreApplication::processEvents(); }

void CMainDlg::ShowStatus(const CStatusLine& status) { m_statusBar->ShowStatus(status); }

void CMainDlg::PlaceFocus(CFocusTarget target) {
  if (target == CFocusTarget::kFilter)
    m_filter->setFocus(Qt::OtherFocusReason);
  else
    m_classList->setFocus(Qt::OtherFocusReason);
}

// Later, not inside the command that asked: the close box then finds no read under way.
void CMainDlg::CloseWindow() { QTimer::singleShot(0, this, &QWidget::close); }

std::optional<std::string> CMainDlg::ChooseHeaderFile(const std::string& startFolder) {
  return m_dialogs->OpenHeaderFile(this, startFolder);
}
std::optional<std::string> CMainDlg::ChooseFolder(const std::string& title, const std::string& startFolder) {
  return m_dialogs->PickFolder(this, title, startFolder);
}
bool CMainDlg::Ask(const std::string& question) { return m_dialogs->Ask(this, ToQString(question)); }
void CMainDlg::ShowMessage(const std::string& text) { m_dialogs->Message(this, ToQString(text)); }
void CMainDlg::ShowDetailedMessage(const std::string& summary, const std::string& details) {
  m_dialogs->DetailedMessage(this, ToQString(summary), ToQString(details));
}
void CMainDlg::ShowText(const GeneratedText& text) { m_dialogs->ShowText(this, text, m_windowSettings); }
void CMainDlg::ShowAbout() { m_dialogs->ShowAbout(this); }
void CMainDlg::ShowLegend() { m_dialogs->ShowLegend(this); }

void CMainDlg::CloseIfAllowed(CCloseRequest request, int result) {
  if (m_shell->RequestClose(request)) done(result);
}

void CMainDlg::keyPressEvent(QKeyEvent* event) {
  const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
  if (event->matches(QKeySequence::Cancel))
    CloseIfAllowed(CCloseRequest::kEscape, Rejected);
  else if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter))
    CloseIfAllowed(CCloseRequest::kEnter, Accepted);
  else
    QDialog::keyPressEvent(event);
}

void CMainDlg::closeEvent(QCloseEvent* event) {
  if (m_shell->RequestClose(CCloseRequest::kCloseBox))
    QDialog::closeEvent(event);
  else
    event->ignore();
}

QPoint CMainDlg::KeyboardMenuPoint() const { return m_client->mapToGlobal(QPoint(kMenuKeyOffset, kMenuKeyOffset)); }

void CMainDlg::OpenContextMenu(const QPoint& screenPoint) {
  if (!m_shell->TakesCommands()) return;
  QAction* chosen = m_dialogs->PopupMenu(*m_menus.ContextMenu(), screenPoint);
  if (chosen != nullptr && chosen->isEnabled()) m_shell->RunCommand(chosen->data().toInt());
}

void CMainDlg::contextMenuEvent(QContextMenuEvent* event) {
  OpenContextMenu(event->reason() == QContextMenuEvent::Keyboard ? KeyboardMenuPoint() : event->globalPos());
}

// Shift+F10 opens the context menu and F10 enters the menu bar, whichever control has the focus.
bool CMainDlg::eventFilter(QObject* watched, QEvent* event) {
  const auto* key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
  const bool f10 = key && key->key() == Qt::Key_F10;
  auto* widget = f10 ? qobject_cast<QWidget*>(watched) : nullptr;
  if (widget == nullptr || (widget != this && !isAncestorOf(widget))) return QDialog::eventFilter(watched, event);
  if (key->modifiers().testFlag(Qt::ShiftModifier))
    OpenContextMenu(KeyboardMenuPoint());
  else if (key->modifiers() == Qt::NoModifier)
    m_menus.EnterMenuBar();
  else
    return QDialog::eventFilter(watched, event);
  return true;
}

}  // namespace varnwick
