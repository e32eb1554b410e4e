#include "CMainDlg.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTimer>
#include <QUrl>

#include "CClassFilterEdit.h"
#include "CClassListBox.h"
#include "CDocumentation.h"
#include "CFolderReader.h"
#include "CHyperLinkEdit.h"
#include "CMainMenus.h"
#include "CMemberGridCtrl.h"
#include "CMemberViews.h"
#include "CReadProgress.h"
#include "CWholeRowsHolder.h"
#include "Generator.h"
#include "HeaderFile.h"
#include "MemberStates.h"
#include "UiText.h"

namespace varnwick {

namespace {

using Command = CMainMenus;

// The keyboard opens the context menu this far inside the client area's corner.
constexpr int kMenuKeyOffset = 5;
// The member list never shows fewer rows than this, however small the window.
constexpr int kMemberListMinimumRows = 2;

const QString kQuitQuestion = QStringLiteral("Quit Varnwick? The loaded classes will be lost.");

QString LinkTarget(const char* file) {
  return QUrl::fromLocalFile(CDocumentation::OfRunningProgram().Folder() + QLatin1Char('/') + QLatin1String(file))
      .toString();
}

QPushButton* CreateButton(const QString& text, const QString& id, QSize size, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(id);
  button->setFixedSize(size);
  return button;
}

bool IsEnterKey(const QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  return enter && (modifiers == Qt::NoModifier || modifiers == Qt::KeypadModifier);
}

}  // namespace

CMainDlg::CMainDlg(std::vector<std::string> startupFiles, std::shared_ptr<CDialogs> dialogs, QWidget* parent)
    : QDialog(parent), m_dialogs(dialogs ? std::move(dialogs) : std::make_shared<CDialogs>()), m_menus(this) {
  EnsureResources();
  setWindowTitle(QStringLiteral("Varnwick"));
  setWindowIcon(QIcon(QStringLiteral(":/res/varnwick.png")));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  CreateControls();
  LayOut();
  ConnectSignals();
  ConfigureGrid();
  LoadStartupFiles(startupFiles);
  const QString documents = LinkTarget("");
  m_link->SetLink(documents, QUrl(documents).path());
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
  // Never shown: Escape still closes the window through the dialog's own cancel.
  m_cancel = new QPushButton(QStringLiteral("Cancel"), m_client);
  m_cancel->setObjectName(QStringLiteral("2"));
  m_cancel->hide();

  m_filter = new CClassFilterEdit(m_client);
  m_classList = new CClassListBox(m_client);
  m_memberList = new CListBox(m_client, QStringLiteral("1001"));
  m_memberHolder = new CWholeRowsHolder(m_memberList, kMemberListMinimumRows, m_client);
  m_grid = new CMemberGridCtrl(m_client);
  m_grid->setObjectName(QStringLiteral("1003"));
  m_memberViews = std::make_unique<CMemberViews>(*m_memberList, *m_grid);

  m_checkPtrList = new QCheckBox(QStringLiteral("Enable looking for CPtrList"), m_client);
  m_checkPtrList->setObjectName(QStringLiteral("1006"));
  m_checkPtrList->setChecked(m_bCheckPtrList);

  auto* separator = new QFrame(m_client);
  separator->setFrameShape(QFrame::HLine);
  separator->setFrameShadow(QFrame::Plain);
  separator->setFixedHeight(1);
  m_separator = separator;

  m_help = CreateButton(QStringLiteral("Help"), QStringLiteral("1007"), QSize(units.X(49), units.Y(12)), m_client);
  m_link = new CHyperLinkEdit(m_client);
  m_link->setObjectName(QStringLiteral("1010"));
  m_link->setFixedHeight(units.Y(12));
  m_link->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  m_link->setAcceptDrops(false);  // a drop over the link is the window's

  m_progress = new CReadProgress(m_client);
  m_progress->hide();
  m_reader = new CFolderReader(m_catalogue, *m_classList, *m_progress, *this);
  m_dropTarget = new CDropTarget(this);

  // The dialog's tab order, the filter before the list it filters. Layouts re-parent the
  // controls, so the order is set rather than left to creation.
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
  client->addWidget(m_progress);

  auto* window = new QVBoxLayout(this);
  window->setContentsMargins(0, 0, 0, 0);
  window->setSpacing(0);
  window->setMenuBar(m_menus.MenuBar());
  window->addWidget(m_client);
  // It opens at the size of dialog 102.
  resize(QSize(units.X(331), m_menus.MenuBar()->sizeHint().height() + units.Y(145)).expandedTo(minimumSizeHint()));
}

void CMainDlg::ConnectSignals() {
  connect(m_menus.MenuBar(), &QMenuBar::triggered, this, [this](QAction* action) { RunCommand(action->data().toInt()); });
  connect(m_quit, &QPushButton::clicked, this, &QDialog::accept);
  connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_help, &QPushButton::clicked, this, &CMainDlg::OnHelp);
  // The selection, not the current row: a mouse press moves the current row before it selects.
  connect(m_classList, &QListWidget::itemSelectionChanged, this, &CMainDlg::OnSelchangeClassList);
  connect(m_checkPtrList, &QCheckBox::toggled, this, [this](bool on) { m_bCheckPtrList = on; });
  connect(m_filter, &CClassFilterEdit::FilterChanged, this, &CMainDlg::OnFilterChanged);
  connect(m_filter, &CClassFilterEdit::LeaveForList, this, [this] { m_classList->setFocus(Qt::TabFocusReason); });
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this), &QShortcut::activated, this, [this] {
    m_filter->setFocus(Qt::ShortcutFocusReason);
    m_filter->selectAll();
  });
  connect(new QShortcut(QKeySequence::Delete, m_classList, nullptr, nullptr, Qt::WidgetShortcut),
          &QShortcut::activated, this, [this] { RunCommand(Command::kClassDelete); });
  connect(m_progress, &CReadProgress::CancelClicked, m_reader, &CFolderReader::Cancel);
  connect(m_dropTarget, &CDropTarget::Dropped, this, &CMainDlg::OnDropped);
  // Shift+F10 opens the context menu whichever control has the focus.
  qApp->installEventFilter(this);
}

void CMainDlg::ConfigureGrid() {
  std::vector<QPixmap> icons;
  for (int index = 0; index < 6; ++index) icons.emplace_back(QStringLiteral(":/res/member%1.png").arg(index));
  m_grid->SetColumnHeadings({QStringLiteral("Class"), QStringLiteral("Member")});
  m_grid->SetMemberIcons(icons);
  m_grid->ShareWidth();
  m_grid->SetSortable(true);
  m_grid->SetCheckBoxes(true);
}

void CMainDlg::LoadStartupFiles(const std::vector<std::string>& files) {
  if (files.empty()) return;
  for (const std::string& file : files) {
    bool tooLarge = false;
    if (!AddFile(file, tooLarge, true) && !tooLarge)
      m_deferredMessages.push_back(QStringLiteral("No class information for ") + ToQString(file));
  }
  FillClassList();
  ShowSelectedClass();
}

void CMainDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The start-up messages wait for the window, so that they stand in front of it, centred.
  if (!m_deferredMessages.empty()) QTimer::singleShot(0, this, &CMainDlg::ShowDeferredMessages);
}

void CMainDlg::ShowDeferredMessages() {
  // One box for all, a line each: a file manager may pass many files at once.
  QStringList lines(m_deferredMessages.begin(), m_deferredMessages.end());
  m_deferredMessages.clear();
  if (!lines.isEmpty()) m_dialogs->Message(this, lines.join(QLatin1Char('\n')));
}

void CMainDlg::RunCommand(int commandId) {
  // A folder being read takes no other command, whichever way it comes.
  if (IsReadingFolder()) return;
  switch (commandId) {
    case Command::kClassAdd: OnClassAdd(); return;
    case Command::kClassAddDirectory: OnClassAddDirectory(); return;
    case Command::kClassAddDirectoryTree: OnClassAddDirectoryTree(); return;
    case Command::kClassDelete: OnClassDelete(); return;
    case Command::kClassDeleteAll: OnClassDeleteAll(); return;
    case Command::kClassReload: OnClassReload(); return;
    case Command::kCheckPtrList: OnCheckPtrList(); return;
    case Command::kAbout: OnAbout(); return;
    default: OnGenerate(commandId); return;
  }
}

bool CMainDlg::IsReadingFolder() const { return m_reader->IsReading(); }

// ---- Catalogue views -------------------------------------------------------------------------

const CClassInfo* CMainDlg::SelectedClass() const { return m_classList->SelectedRecord(); }

void CMainDlg::FillClassList() { m_classList->Show(m_catalogue, m_catalogue.FillClassList(m_filter->Filter())); }

void CMainDlg::ShowSelectedClass() {
  if (const CClassInfo* record = SelectedClass())
    m_memberViews->Show(record);
  else
    m_memberViews->Clear();
}

void CMainDlg::OnSelchangeClassList() { m_memberViews->Show(SelectedClass()); }

void CMainDlg::OnFilterChanged() {
  FillClassList();
  // The grid keeps the user's ticks while the selection stays on the same class.
  if (SelectedClass() != m_memberViews->ShownClass()) ShowSelectedClass();
}

std::vector<const CMemberInfo*> CMainDlg::MembersInListOrder() const { return m_memberViews->MembersInListOrder(); }

int CMainDlg::FindMemberState(const std::string& name) const {
  return varnwick::FindMemberState(m_memberViews->GridRows(), name);
}

bool CMainDlg::AddFile(const std::string& path, bool& tooLarge, bool deferred) {
  tooLarge = false;
  try {
    return m_catalogue.AddFile(path);
  } catch (const CFileTooLarge& error) {
    tooLarge = true;
    if (deferred)
      m_deferredMessages.push_back(FileTooLargeText(error.Path()));
    else
      m_dialogs->Message(this, FileTooLargeText(error.Path()));
    return false;
  }
}

QString CMainDlg::FileTooLargeText(const std::string& path) const {
  return QStringLiteral("The file ") + ToQString(path) +
         QStringLiteral(" is larger than 1,048,575 bytes and cannot be read.");
}

// ---- Commands --------------------------------------------------------------------------------

void CMainDlg::OnClassAdd() {
  const std::optional<std::string> path = m_dialogs->OpenHeaderFile(this);
  if (!path) return;
  bool tooLarge = false;
  if (!AddFile(*path, tooLarge)) {
    // An oversized header ends the command at once.
    if (tooLarge) return;
    m_dialogs->Message(this, QStringLiteral("No class information in ") + ToQString(*path));
  }
  FillClassList();
  ShowSelectedClass();
}

void CMainDlg::OnClassAddDirectory() { AddFolder(CFolderDepth::kFolderOnly); }

void CMainDlg::OnClassAddDirectoryTree() { AddFolder(CFolderDepth::kWithSubfolders); }

void CMainDlg::AddFolder(CFolderDepth depth) {
  const std::optional<std::string> folder = m_dialogs->PickFolder(this, "Open your project directory");
  if (folder) ReadFolder(*folder, depth);
}

void CMainDlg::ReadFolder(const std::string& folder, CFolderDepth depth) {
  const std::optional<std::string> tooLarge = m_reader->Read(folder, depth, m_filter->Filter());
  if (tooLarge) m_dialogs->Message(this, FileTooLargeText(*tooLarge));
  // After the message too: the members of the class the list selects, as after any refill.
  ShowSelectedClass();
  if (m_bCloseAfterRead) QTimer::singleShot(0, this, &QWidget::close);
  m_bCloseAfterRead = false;
}

void CMainDlg::OnDropped(const std::vector<CDroppedPath>& paths) {
  if (IsReadingFolder()) return;
  for (const CDroppedPath& item : paths) {
    if (item.folder) {
      ReadFolder(item.path, CFolderDepth::kFolderOnly);
      continue;
    }
    bool tooLarge = false;
    if (!AddFile(item.path, tooLarge) && !tooLarge)
      m_dialogs->Message(this, QStringLiteral("No class information in ") + ToQString(item.path));
  }
  FillClassList();
  ShowSelectedClass();
}

void CMainDlg::OnClassDelete() {
  const int row = m_classList->SelectedRow();
  if (row < 0) return;
  // The shown rows are always the catalogue's class list, so the catalogue can take the row.
  const CClassFilter& filter = m_filter->Filter();
  const std::optional<CClassList> list =
      m_catalogue.DeleteClass(m_catalogue.FillClassList(filter), static_cast<std::size_t>(row), filter);
  if (!list) return;
  m_classList->Show(m_catalogue, *list);
  ShowSelectedClass();
}

void CMainDlg::OnClassDeleteAll() {
  m_catalogue.DeleteAll();
  FillClassList();
  ShowSelectedClass();
}

void CMainDlg::OnClassReload() {
  std::size_t before = m_catalogue.Size();  // no class selected
  if (const CClassInfo* selected = SelectedClass()) before = m_catalogue.FindClassPosition(*selected).value_or(before);
  const CReloadReport report = m_catalogue.Reload();
  // The same class stays selected while its header still defines it; else the refill's choice.
  CClassList list = m_catalogue.FillClassList(m_filter->Filter());
  if (before < report.newPositions.size() && report.newPositions[before])
    list.SelectRecord(*report.newPositions[before]);
  m_classList->Show(m_catalogue, list);
  ShowSelectedClass();
  QStringList problems;
  for (const CReloadProblem& problem : report.problems)
    problems << (problem.tooLarge ? FileTooLargeText(problem.path)
                                  : QStringLiteral("No class information in ") + ToQString(problem.path));
  if (!problems.isEmpty()) m_dialogs->Message(this, problems.join(QLatin1Char('\n')));
}

void CMainDlg::OnGenerate(int commandId) {
  const GeneratorInfo* generator = FindGeneratorByCommand(commandId);
  const CClassInfo* record = SelectedClass();
  if (generator == nullptr || record == nullptr) return;
  const CMemberStateIndex states(m_memberViews->GridRows());
  const MemberStateLookup state = [&states](const std::string& name) { return states.Find(name); };
  try {
    const std::optional<GeneratedText> text =
        Generate(generator->kind, *record, MembersInListOrder(), state, m_bCheckPtrList);
    if (text) m_dialogs->ShowText(this, *text);
  } catch (const CFileTooLarge& error) {
    m_dialogs->Message(this, FileTooLargeText(error.Path()));
  }
}

void CMainDlg::OnCheckPtrList() {
  m_bCheckPtrList = !m_bCheckPtrList;
  const QSignalBlocker quiet(m_checkPtrList);
  m_checkPtrList->setChecked(m_bCheckPtrList);
}

void CMainDlg::OnAbout() { m_dialogs->ShowAbout(this); }

void CMainDlg::OnHelp() { m_dialogs->ShowLegend(this); }

// ---- Closing ---------------------------------------------------------------------------------

bool CMainDlg::ConfirmQuit() { return m_catalogue.IsEmpty() || m_dialogs->Ask(this, kQuitQuestion); }

void CMainDlg::keyPressEvent(QKeyEvent* event) {
  // Enter and Escape end the dialog only when nothing would be lost, or the user says so. Quit
  // and the close box close at once.
  const bool closing = IsEnterKey(event) || event->matches(QKeySequence::Cancel);
  if (closing && IsReadingFolder()) {
    if (event->matches(QKeySequence::Cancel)) m_reader->Cancel();
    event->accept();
    return;
  }
  if (closing && !ConfirmQuit()) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void CMainDlg::closeEvent(QCloseEvent* event) {
  if (IsReadingFolder()) {
    // The read stops after its current header; the window closes once it has.
    m_reader->Cancel();
    m_bCloseAfterRead = true;
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

// ---- Context menu ----------------------------------------------------------------------------

QPoint CMainDlg::KeyboardMenuPoint() const {
  return m_client->mapToGlobal(QPoint(kMenuKeyOffset, kMenuKeyOffset));
}

void CMainDlg::OpenContextMenu(const QPoint& screenPoint) {
  if (IsReadingFolder()) return;
  QAction* chosen = m_dialogs->PopupMenu(*m_menus.ContextMenu(), screenPoint);
  if (chosen != nullptr && chosen->isEnabled()) RunCommand(chosen->data().toInt());
}

void CMainDlg::contextMenuEvent(QContextMenuEvent* event) {
  const bool fromKeyboard = event->reason() == QContextMenuEvent::Keyboard;
  OpenContextMenu(fromKeyboard ? KeyboardMenuPoint() : event->globalPos());
  event->accept();
}

bool CMainDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  auto* widget = qobject_cast<QWidget*>(watched);
  const bool inThisWindow = widget != nullptr && (widget == this || isAncestorOf(widget));
  if (inThisWindow && key->key() == Qt::Key_F10 && key->modifiers().testFlag(Qt::ShiftModifier)) {
    OpenContextMenu(KeyboardMenuPoint());
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace varnwick
