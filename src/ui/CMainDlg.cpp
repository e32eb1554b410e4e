#include "CMainDlg.h"

#include <QMouseEvent>

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QFrame>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QUrl>
#include <algorithm>

#include "CDocumentation.h"
#include "CHyperLinkEdit.h"
#include "CMemberGridCtrl.h"
#include "Generator.h"
#include "HeaderFile.h"
#include "ListOrder.h"
#include "MemberStates.h"
#include "UiText.h"

namespace varnwick {

namespace {

enum Command : int {
  kClassAdd = 32771,
  kClassDelete = 32772,
  kClassDeleteAll = 32773,
  kClassAddDirectory = 32774,
  kGenerateHeading = 32796,
  kCheckPtrList = 32797,
  kAbout = 32798,
};

constexpr int kRecordRole = Qt::UserRole;
// The keyboard opens the context menu this far inside the client area's corner.
constexpr int kMenuKeyOffset = 5;
// While a folder is read the class list is repainted at most this often: it still visibly grows,
// but painting does not outweigh reading.
constexpr qint64 kRepaintIntervalMs = 15;

template <typename T>
T* RecordOf(const QListWidgetItem* item) {
  return reinterpret_cast<T*>(item->data(kRecordRole).value<quintptr>());
}

QListWidget* CreateListBox(QWidget* parent, const QString& id) {
  auto* list = new QListWidget(parent);
  list->setObjectName(id);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setUniformItemSizes(true);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return list;
}

QString LinkTarget(const char* file) {
  return QUrl::fromLocalFile(CDocumentation::OfRunningProgram().Folder() + QLatin1Char('/') + QLatin1String(file))
      .toString();
}

}  // namespace

CMainDlg::CMainDlg(std::string startupFile, std::shared_ptr<CDialogs> dialogs, QWidget* parent)
    : QDialog(parent),
      m_strStartupFile(std::move(startupFile)),
      m_dialogs(dialogs ? std::move(dialogs) : std::make_shared<CDialogs>()) {
  EnsureResources();
  setWindowTitle(QStringLiteral("Varnwick"));
  setWindowIcon(QIcon(QStringLiteral(":/res/varnwick.png")));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  CreateControls();
  CreateMenuBar();
  CreateContextMenu();
  ConnectSignals();
  ConfigureGrid();
  LoadStartupFile();
  const QString documents = LinkTarget("");
  m_link->SetLink(documents, QUrl(documents).path());
  KeepLinkInside();
}

void CMainDlg::KeepLinkInside() {
  // A local address is longer than the room left for it: it then ends where the buttons end.
  const int rightEdge = m_quit->geometry().right();
  if (m_link->geometry().right() > rightEdge) m_link->move(rightEdge - m_link->width() + 1, m_link->y());
}

CMainDlg::~CMainDlg() { qApp->removeEventFilter(this); }

void CMainDlg::CreateControls() {
  const CDialogUnits units(font());
  m_client = new QWidget(this);
  m_client->setObjectName(QStringLiteral("client"));
  m_client->resize(units.X(331), units.Y(145));

  // Created in tab order.
  m_quit = new QPushButton(QStringLiteral("Quit"), m_client);
  m_quit->setObjectName(QStringLiteral("1"));
  m_quit->setGeometry(units.Rect(274, 112, 50, 14));
  m_quit->setDefault(true);

  // Never shown: Escape still closes the window through the dialog's own cancel.
  m_cancel = new QPushButton(QStringLiteral("Cancel"), m_client);
  m_cancel->setObjectName(QStringLiteral("2"));
  m_cancel->setGeometry(units.Rect(207, 110, 50, 14));
  m_cancel->hide();

  m_classList = CreateListBox(m_client, QStringLiteral("1000"));
  m_classList->setGeometry(units.Rect(2, 2, 81, 139));
  m_memberList = CreateListBox(m_client, QStringLiteral("1001"));
  m_memberList->setGeometry(units.Rect(85, 95, 179, 33));

  m_grid = new CMemberGridCtrl(m_client);
  m_grid->setObjectName(QStringLiteral("1003"));
  m_grid->setGeometry(units.Rect(86, 1, 242, 90));

  m_checkPtrList = new QCheckBox(QStringLiteral("Enable looking for CPtrList"), m_client);
  m_checkPtrList->setObjectName(QStringLiteral("1006"));
  m_checkPtrList->setGeometry(units.Rect(85, 132, 113, 10));
  m_checkPtrList->setChecked(m_bCheckPtrList);

  auto* separator = new QFrame(m_client);
  separator->setFrameShape(QFrame::HLine);
  separator->setFrameShadow(QFrame::Plain);
  separator->setGeometry(units.X(85), units.Y(129), units.X(242), 1);

  m_help = new QPushButton(QStringLiteral("Help"), m_client);
  m_help->setObjectName(QStringLiteral("1007"));
  m_help->setGeometry(units.Rect(275, 95, 49, 12));

  m_link = new CHyperLinkEdit(m_client);
  m_link->setObjectName(QStringLiteral("1010"));
  m_link->setGeometry(units.Rect(224, 133, 93, 12));
}

QAction* CMainDlg::AddCommand(QMenu& menu, const QString& text, int commandId) {
  QAction* action = menu.addAction(text);
  action->setData(commandId);
  m_commands.emplace_back(action, commandId);
  return action;
}

void CMainDlg::AddGenerateItems(QMenu& menu) {
  const auto text = [](GeneratorKind kind) {
    for (const GeneratorInfo& info : AllGenerators())
      if (info.kind == kind) return std::pair(QString::fromUtf8(info.menuText.data(), static_cast<qsizetype>(info.menuText.size())), info.commandId);
    return std::pair(QString(), 0);
  };
  const auto add = [&](QMenu& into, GeneratorKind kind) {
    const auto [label, id] = text(kind);
    AddCommand(into, label, id);
  };
  add(menu, GeneratorKind::Serialize);
  add(menu, GeneratorKind::ModalDialog);
  QMenu* operators = menu.addMenu(QStringLiteral("Operator"));
  for (GeneratorKind kind : {GeneratorKind::Assign, GeneratorKind::Equal, GeneratorKind::Less,
                             GeneratorKind::Greater, GeneratorKind::Store, GeneratorKind::Load})
    add(*operators, kind);
  QMenu* members = menu.addMenu(QStringLiteral("Members"));
  add(*members, GeneratorKind::MembersList);
  add(*members, GeneratorKind::MembersValues);
  QMenu* copy = menu.addMenu(QStringLiteral("Copy Constructor"));
  add(*copy, GeneratorKind::CopyAssign);
  add(*copy, GeneratorKind::CopyMembers);
}

void CMainDlg::CreateMenuBar() {
  m_menuBar = new QMenuBar(this);
  m_menuBar->setNativeMenuBar(false);
  QMenu* classMenu = m_menuBar->addMenu(QStringLiteral("Class"));
  AddCommand(*classMenu, QStringLiteral("Add"), kClassAdd);
  AddCommand(*classMenu, QStringLiteral("Add Directory"), kClassAddDirectory);
  AddCommand(*classMenu, QStringLiteral("Delete"), kClassDelete);
  AddCommand(*classMenu, QStringLiteral("Delete All"), kClassDeleteAll);
  AddGenerateItems(*m_menuBar->addMenu(QStringLiteral("Generate")));
  AddCommand(*m_menuBar->addMenu(QStringLiteral("Settings")), QStringLiteral("Check CTypedPtrList"),
             kCheckPtrList);
  AddCommand(*m_menuBar->addMenu(QStringLiteral("About")), QStringLiteral("About"), kAbout);

  const int barHeight = m_menuBar->sizeHint().height();
  m_menuBar->setGeometry(0, 0, m_client->width(), barHeight);
  m_client->move(0, barHeight);
  setFixedSize(m_client->width(), barHeight + m_client->height());
}

void CMainDlg::CreateContextMenu() {
  m_contextMenu = new QMenu(QStringLiteral("_POPUP_"), this);
  AddCommand(*m_contextMenu, QStringLiteral("Add Class"), kClassAdd);
  AddCommand(*m_contextMenu, QStringLiteral("Add Directory"), kClassAddDirectory);
  AddCommand(*m_contextMenu, QStringLiteral("Delete Class"), kClassDelete);
  AddCommand(*m_contextMenu, QStringLiteral("Delete All"), kClassDeleteAll);
  m_contextMenu->addSeparator();
  // The heading cannot be chosen, yet reads like the items around it: the menu's inactive
  // colours are its active ones, and no other item of it is ever inactive.
  QAction* heading = AddCommand(*m_contextMenu, QStringLiteral("---- Generate ----"), kGenerateHeading);
  heading->setEnabled(false);
  QPalette colours = m_contextMenu->palette();
  for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
    colours.setColor(QPalette::Disabled, role, colours.color(QPalette::Active, role));
  colours.setColor(QPalette::Disabled, QPalette::Light, colours.color(QPalette::Active, QPalette::Window));
  m_contextMenu->setPalette(colours);
  AddGenerateItems(*m_contextMenu);
}

void CMainDlg::ConnectSignals() {
  connect(m_menuBar, &QMenuBar::triggered, this,
          [this](QAction* action) { RunCommand(action->data().toInt()); });
  connect(m_quit, &QPushButton::clicked, this, &QDialog::accept);
  connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_help, &QPushButton::clicked, this, &CMainDlg::OnHelp);
  // The selection, not the current row: a mouse press moves the current row before it selects.
  connect(m_classList, &QListWidget::itemSelectionChanged, this, &CMainDlg::OnSelchangeClassList);
  connect(m_checkPtrList, &QCheckBox::toggled, this, [this](bool on) { m_bCheckPtrList = on; });
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

void CMainDlg::LoadStartupFile() {
  if (m_strStartupFile.empty()) return;
  bool tooLarge = false;
  if (!AddFile(m_strStartupFile, tooLarge) && !tooLarge)
    m_dialogs->Message(this, QStringLiteral("No class information for ") + ToQString(m_strStartupFile));
  FillClassList();
  ShowSelectedClass();
}

void CMainDlg::RunCommand(int commandId) {
  switch (commandId) {
    case kClassAdd: OnClassAdd(); return;
    case kClassAddDirectory: OnClassAddDirectory(); return;
    case kClassDelete: OnClassDelete(); return;
    case kClassDeleteAll: OnClassDeleteAll(); return;
    case kCheckPtrList: OnCheckPtrList(); return;
    case kAbout: OnAbout(); return;
    default: OnGenerate(commandId); return;
  }
}

// ---- Catalogue views -------------------------------------------------------------------------

const CClassInfo* CMainDlg::SelectedClass() const {
  const int row = SelectedClassRow();
  return row < 0 ? nullptr : RecordOf<const CClassInfo>(m_classList->item(row));
}

int CMainDlg::SelectedClassRow() const {
  const QList<QListWidgetItem*> selected = m_classList->selectedItems();
  return selected.isEmpty() ? -1 : m_classList->row(selected.first());
}

void CMainDlg::SelectClassRow(std::optional<std::size_t> row) {
  // A selection made by the program is no selection change of the user's.
  const QSignalBlocker quiet(m_classList);
  if (row && *row < static_cast<std::size_t>(m_classList->count()))
    m_classList->setCurrentRow(static_cast<int>(*row));
  else
    m_classList->setCurrentRow(-1);
}

void CMainDlg::FillClassList() { ShowClassList(m_catalogue.FillClassList()); }

void CMainDlg::ShowClassList(const CClassList& list) {
  {
    const QSignalBlocker quiet(m_classList);
    m_classList->clear();
    for (std::size_t position : list.rows) {
      const CClassInfo& record = m_catalogue.At(position);
      auto* item = new QListWidgetItem(ToQString(record.m_strName));
      item->setData(kRecordRole, QVariant::fromValue(reinterpret_cast<quintptr>(&record)));
      m_classList->addItem(item);
    }
  }
  m_nShownRecords = m_catalogue.Size();
  SelectClassRow(list.selectedRow);
}

void CMainDlg::ClearMemberViews() {
  m_memberList->clear();
  m_grid->DeleteAllItems();
}

void CMainDlg::ShowMembers(const CClassInfo* record) {
  if (record == nullptr) return;
  ClearMemberViews();
  for (const CMemberInfo* member : MemberListOrder(*record)) {
    auto* item = new QListWidgetItem(ToQString(member->LineText()));
    item->setData(kRecordRole, QVariant::fromValue(reinterpret_cast<quintptr>(member)));
    m_memberList->addItem(item);
  }
  for (const auto& member : record->m_pMembers) {
    const int row = m_grid->AppendRow(member->m_strType, member->IconIndex());
    m_grid->SetItemText(row, 1, member->m_strName);
    m_grid->SetCheckState(row, member->ShownCheckState());
  }
}

void CMainDlg::ShowSelectedClass() {
  if (const CClassInfo* record = SelectedClass())
    ShowMembers(record);
  else
    ClearMemberViews();
}

void CMainDlg::OnSelchangeClassList() {
  if (const CClassInfo* record = SelectedClass()) ShowMembers(record);
}

std::vector<const CMemberInfo*> CMainDlg::MembersInListOrder() const {
  std::vector<const CMemberInfo*> members;
  members.reserve(static_cast<std::size_t>(m_memberList->count()));
  for (int row = 0; row < m_memberList->count(); ++row)
    members.push_back(RecordOf<const CMemberInfo>(m_memberList->item(row)));
  return members;
}

int CMainDlg::FindMemberState(const std::string& name) const {
  return varnwick::FindMemberState(m_grid->MemberRows(), name);
}

bool CMainDlg::AddFile(const std::string& path, bool& tooLarge) {
  tooLarge = false;
  try {
    return m_catalogue.AddFile(path);
  } catch (const CFileTooLarge& error) {
    tooLarge = true;
    ShowFileTooLarge(error.Path());
    return false;
  }
}

void CMainDlg::ShowFileTooLarge(const std::string& path) {
  m_dialogs->Message(this, QStringLiteral("The file ") + ToQString(path) +
                               QStringLiteral(" is larger than 1,048,575 bytes and cannot be read."));
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

void CMainDlg::OnClassAddDirectory() {
  const std::optional<std::string> folder = m_dialogs->PickFolder(this, "Open your project directory");
  if (!folder) return;
  m_nShownRecords = m_catalogue.Size();
  m_nLastRepaint = 0;
  m_pendingSelection = nullptr;
  // Scrolling to each new selection lays out the whole list; it is done only when painting.
  m_classList->setAutoScroll(false);
  try {
    AddDirectory(m_catalogue, *folder, this);
  } catch (const CFileTooLarge& error) {
    FinishAddDirectory();
    ShowFileTooLarge(error.Path());
    return;
  }
  // The list already holds every record in refill order; only the refill's selection is left.
  FinishAddDirectory();
  ShowSelectedClass();
}

void CMainDlg::FinishAddDirectory() {
  m_classList->setAutoScroll(true);
  const std::optional<std::size_t> position = m_catalogue.RecordToSelect();
  const CClassInfo* wanted = position ? &m_catalogue.At(*position) : nullptr;
  if (m_pendingSelection != nullptr && RecordOf<const CClassInfo>(m_pendingSelection) == wanted) {
    SelectClassRow(static_cast<std::size_t>(m_classList->row(m_pendingSelection)));
  } else {
    std::optional<std::size_t> row;
    for (int each = 0; each < m_classList->count() && wanted != nullptr && !row; ++each)
      if (RecordOf<const CClassInfo>(m_classList->item(each)) == wanted) row = static_cast<std::size_t>(each);
    SelectClassRow(row ? row : std::optional<std::size_t>(0));
  }
  m_pendingSelection = nullptr;
  if (QListWidgetItem* selected = m_classList->currentItem()) m_classList->scrollToItem(selected);
}

void CMainDlg::OnFileRead(const std::string& /*path*/, bool foundClasses) {
  if (!foundClasses) return;
  std::vector<QListWidgetItem*> added;
  for (std::size_t position = m_nShownRecords; position < m_catalogue.Size(); ++position)
    added.push_back(InsertClassRow(m_catalogue.At(position)));
  m_nShownRecords = m_catalogue.Size();
  // A refill would select the last record named like the file's first class: one of these rows.
  for (auto item = added.rbegin(); item != added.rend(); ++item) {
    if (RecordOf<const CClassInfo>(*item)->m_strName != m_catalogue.LastClass()) continue;
    m_pendingSelection = *item;
    break;
  }

  // Selecting lays the list out anew, so it waits for the next paint: nobody sees it before.
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  if (now - m_nLastRepaint < kRepaintIntervalMs) return;
  m_nLastRepaint = now;
  if (m_pendingSelection != nullptr) {
    SelectClassRow(static_cast<std::size_t>(m_classList->row(m_pendingSelection)));
    m_classList->scrollToItem(m_pendingSelection);
  }
  m_classList->repaint();
}

QListWidgetItem* CMainDlg::InsertClassRow(const CClassInfo& record) {
  // After every row whose name sorts before or equal to the new one: equal names keep loading order.
  int low = 0;
  int high = m_classList->count();
  while (low < high) {
    const int middle = (low + high) / 2;
    const CClassInfo* other = RecordOf<const CClassInfo>(m_classList->item(middle));
    if (CompareListText(other->m_strName, record.m_strName) <= 0)
      low = middle + 1;
    else
      high = middle;
  }
  auto* item = new QListWidgetItem(ToQString(record.m_strName));
  item->setData(kRecordRole, QVariant::fromValue(reinterpret_cast<quintptr>(&record)));
  const QSignalBlocker quiet(m_classList);
  m_classList->insertItem(low, item);
  return item;
}

void CMainDlg::OnClassDelete() {
  const int row = SelectedClassRow();
  if (row < 0) return;
  // The shown rows are always the catalogue's class list, so the catalogue can take the row.
  const std::optional<CClassList> list =
      m_catalogue.DeleteClass(m_catalogue.FillClassList(), static_cast<std::size_t>(row));
  if (!list) return;
  ShowClassList(*list);
  ShowSelectedClass();
}

void CMainDlg::OnClassDeleteAll() {
  m_catalogue.DeleteAll();
  FillClassList();
  ShowSelectedClass();
}

void CMainDlg::OnGenerate(int commandId) {
  const GeneratorInfo* generator = FindGeneratorByCommand(commandId);
  const CClassInfo* record = SelectedClass();
  if (generator == nullptr || record == nullptr) return;
  const CMemberStateIndex states(m_grid->MemberRows());
  const MemberStateLookup state = [&states](const std::string& name) { return states.Find(name); };
  try {
    const std::optional<GeneratedText> text =
        Generate(generator->kind, *record, MembersInListOrder(), state, m_bCheckPtrList);
    if (text) m_dialogs->ShowText(this, *text);
  } catch (const CFileTooLarge& error) {
    ShowFileTooLarge(error.Path());
  }
}

void CMainDlg::OnCheckPtrList() {
  m_bCheckPtrList = !m_bCheckPtrList;
  const QSignalBlocker quiet(m_checkPtrList);
  m_checkPtrList->setChecked(m_bCheckPtrList);
}

void CMainDlg::OnAbout() { m_dialogs->ShowAbout(this); }

void CMainDlg::OnHelp() { m_dialogs->ShowLegend(this); }

// ---- Context menu ----------------------------------------------------------------------------

QPoint CMainDlg::KeyboardMenuPoint() const {
  return m_client->mapToGlobal(QPoint(kMenuKeyOffset, kMenuKeyOffset));
}

void CMainDlg::OpenContextMenu(const QPoint& screenPoint) {
  QAction* chosen = m_dialogs->PopupMenu(*m_contextMenu, screenPoint);
  if (chosen != nullptr && chosen->isEnabled()) RunCommand(chosen->data().toInt());
}

void CMainDlg::contextMenuEvent(QContextMenuEvent* event) {
  const bool fromKeyboard = event->reason() == QContextMenuEvent::Keyboard;
  OpenContextMenu(fromKeyboard ? KeyboardMenuPoint() : event->globalPos());
  event->accept();
}

// The list boxes select nothing with the right button (it only opens the context menu, which Qt
// still sends), and a control-click cannot leave them without a selection.
bool CMainDlg::IsIgnoredListBoxPress(QObject* watched, QEvent* event) const {
  const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
  if (!press || (watched != m_classList->viewport() && watched != m_memberList->viewport())) return false;
  const auto* mouse = static_cast<QMouseEvent*>(event);
  return mouse->button() == Qt::RightButton || mouse->modifiers().testFlag(Qt::ControlModifier);
}

bool CMainDlg::eventFilter(QObject* watched, QEvent* event) {
  if (IsIgnoredListBoxPress(watched, event)) return true;
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
