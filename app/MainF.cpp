#include "app/MainF.h"

#include "app/FrameTextBoxes.h"
#include "app/HandedPaths.h"
#include "app/PasteRoutes.h"
#include "app/ProgramIcon.h"
#include "app/WindowReporter.h"
#include "pieceset/MergeRun.h"
#include "pieceset/PathText.h"
#include "pieceset/SizeArgument.h"
#include "pieceset/SplitRun.h"
#include "app/shell/ShellServices.h"
#include "platform/AccessibleAction.h"
#include "platform/FontObject.h"
#include "platform/InputCodes.h"
#include "platform/SystemPalette.h"
#include "platform/TwipsGeometry.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace tirnel {

namespace {

const QString kTitle = QStringLiteral("Tirnel文件分割器V1.08");

const QString kAllFilesFilter = QStringLiteral("所有文件(*.*)|*.*");
// Descriptors, and the first pieces of the numbered sets other splitters make; the label stays.
const QString kDescriptorFilter = QStringLiteral("准备合并文件(*.hpe)|*.hpe;*.001;*.0001");
const QString kOpenTitle = QStringLiteral("打开文件");
const QString kFolderTitle = QStringLiteral("选择文件夹");
const QString kStopSplitQuestion = QStringLiteral("文件正在分割,要停止分割并退出吗?");
const QString kStopMergeQuestion = QStringLiteral("文件正在合并,要停止合并并退出吗?");
const QString kStopping = QStringLiteral("正在停止…");
// Hide the read-only box, prompt to create, prompt to overwrite.
constexpr long kOpenFlags = kFileDialogCreatePrompt | kFileDialogHideReadOnly | kFileDialogOverwritePrompt;

// The two lines of the etched separator: system colours 10 and 11.
const QColor kEtchShadow(180, 180, 180);
const QColor kEtchLight(244, 247, 252);

QLabel* NewLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLabel* NewLine(QWidget* parent, const QString& name, const QColor& color) {
    QLabel* line = NewLabel(parent, name, QString());
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, color);
    line->setPalette(palette);
    line->setAutoFillBackground(true);
    return line;
}

QLineEdit* NewTextBox(QWidget* parent, const QString& name, const QString& text) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    return box;
}

std::string Utf8(const QLineEdit* box) { return box->text().toStdString(); }

}  // namespace

MainF::MainF(ShellServices& shell, QWidget* parent)
    : Form(parent),
      Picture1(new QWidget(this)),
      opDelFale(NewOption(Picture1, QStringLiteral("opDelFale"), QStringLiteral("分割文件"), QStringLiteral("1"), true)),
      GetFile(NewOption(Picture1, QStringLiteral("GetFile"), QStringLiteral("合并文件"), QStringLiteral("1"), false)),
      Label6(NewLine(this, QStringLiteral("Label6"), kEtchLight)),
      Label5(NewLine(this, QStringLiteral("Label5"), kEtchShadow)),
      Label2(NewLabel(this, QStringLiteral("Label2"), QStringLiteral("分割文件:"))),
      txtPsd(NewTextBox(this, QStringLiteral("txtPsd"), QString())),
      cmdFile(NewButton(this, QStringLiteral("cmdFile"), QStringLiteral("..."))),
      Label1(NewLabel(this, QStringLiteral("Label1"), QStringLiteral("目标地址:"))),
      Text1(NewTextBox(this, QStringLiteral("Text1"), QString())),
      cmdOpsee(NewButton(this, QStringLiteral("cmdOpsee"), QStringLiteral("..."))),
      Label3(NewLabel(this, QStringLiteral("Label3"), QStringLiteral("分割大小:"))),
      Text2(NewTextBox(this, QStringLiteral("Text2"), QStringLiteral("100"))),
      Okbs(NewOption(this, QStringLiteral("Okbs"), QStringLiteral("KB"), QStringLiteral("0"), true)),
      Option3(NewOption(this, QStringLiteral("Option3"), QStringLiteral("MB"), QStringLiteral("0"), false)),
      uo1(NewProgressBar(this, QStringLiteral("uo1"), QStringLiteral("uo1"))),
      Command2(NewButton(this, QStringLiteral("Command2"), QStringLiteral("分割"))),
      Command3(NewButton(this, QStringLiteral("Command3"), QStringLiteral("合并"))),
      tQueries(NewButton(this, QStringLiteral("tQueries"), QStringLiteral("退出"))),
      mShell(shell) {
    setObjectName(QStringLiteral("MainF"));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    setWindowTitle(kTitle);
    setWindowIcon(ProgramIcon());
    // The window's colours are its own, the same on a dark desktop as on a light one.
    setPalette(SystemPalette());
    // The notices and the file dialog open over this window.
    shell.SetOwnerWindow(this);
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // "宋体" 9 pt, GB2312, normal weight: the font of every control on the window.
    setFont(FontObject(QStringLiteral("宋体"), 9, FontObject::kCharsetGB2312).ToQFont());
    setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));

    // The size box takes digits typed one by one; an input method would bypass the filter.
    Text2->setAttribute(Qt::WA_InputMethodEnabled, false);
    Text2->installEventFilter(this);

    // Drops anywhere, the boxes included, come to the window rather than into a box as text.
    setAcceptDrops(true);
    for (QLineEdit* box : {txtPsd, Text1, Text2}) box->setAcceptDrops(false);
    for (QWidget* input : InputControls()) input->installEventFilter(this);

    PlaceControls();
    ConnectHandlers();
    // Screen readers name the boxes after their labels, and say what the two "..." open.
    for (const auto& [label, box] : {std::pair{Label2, txtPsd}, {Label1, Text1}, {Label3, Text2}}) label->setBuddy(box);
    cmdFile->setAccessibleDescription(kOpenTitle);
    cmdOpsee->setAccessibleDescription(kFolderTitle);
}

void MainF::PlaceControls() {
    // The stored tab indexes would run the boxes from the bottom up; the order follows the
    // window instead.
    const std::vector<std::pair<QWidget*, TwipsRect>> placements = {
        {Picture1, {60, 30, 2985, 465}},     {opDelFale, {150, 110, 1215, 240}}, {GetFile, {1410, 110, 1215, 240}},
        {Label6, {150, 535, 4380, 15}},      {Label5, {150, 520, 4380, 15}},     {Label2, {150, 750, 900, 180}},
        {txtPsd, {1080, 660, 2885, 315}},    {cmdFile, {4110, 660, 405, 315}},   {Label1, {150, 1230, 900, 180}},
        {Text1, {1080, 1140, 2885, 315}},    {cmdOpsee, {4110, 1140, 405, 315}}, {Label3, {150, 1710, 900, 180}},
        {Text2, {1080, 1620, 1035, 315}},    {Okbs, {2250, 1680, 645, 240}},     {Option3, {2940, 1680, 645, 240}},
        {uo1, {150, 2100, 4400, 255}},       {Command2, {150, 2520, 1100, 315}}, {Command3, {1770, 2520, 1095, 315}},
        {tQueries, {3420, 2520, 1095, 315}},
    };
    for (const auto& [control, rect] : placements) PlaceInTwips(control, rect);

    // Where a control stands on the window, in twips: its place plus its containers'.
    const auto topLeft = [this](const QWidget* control) {
        std::pair<int, int> at;
        for (const QWidget* w = control; w != this; w = w->parentWidget())
            at = {at.first + TwipsGeometryOf(w).top, at.second + TwipsGeometryOf(w).left};
        return at;
    };
    std::vector<QWidget*> order;
    for (const auto& placement : placements)
        if (placement.first->focusPolicy() != Qt::NoFocus) order.push_back(placement.first);
    std::stable_sort(order.begin(), order.end(), [&](QWidget* a, QWidget* b) { return topLeft(a) < topLeft(b); });
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void MainF::ConnectHandlers() {
    OnClick(opDelFale, this, [this] { opDelFale_Click(); });
    OnClick(GetFile, this, [this] { GetFile_Click(); });
    OnClick(cmdFile, this, [this] { cmdFile_Click(); });
    OnClick(cmdOpsee, this, [this] { cmdOpsee_Click(); });
    OnClick(Command2, this, [this] { Command2_Click(); });
    OnClick(Command3, this, [this] { Command3_Click(); });
    OnClick(tQueries, this, [this] { tQueries_Click(); });
    connect(Text2, &QLineEdit::textChanged, this, [this] { Text2_Change(); });
}

void MainF::showEvent(QShowEvent* event) {
    // The window loads as it is first shown.
    if (!mLoaded) {
        mLoaded = true;
        Form_Load();
    }
    Form::showEvent(event);
}

void MainF::Form_Load() {
    FrameTextBoxes(this);
    SetBarText(uo1, QString());
    SetOptionValue(opDelFale, true);
}

void MainF::opDelFale_Click() {
    Text2->setEnabled(true);
    SetOptionEnabled(Okbs, true);
    SetOptionEnabled(Option3, true);
}

void MainF::GetFile_Click() {
    Text2->setEnabled(false);
    txtPsd->setText(QString());
    SetOptionEnabled(Okbs, false);
    SetOptionEnabled(Option3, false);
}

void MainF::cmdFile_Click() {
    if (mRunning) return;
    const QString filter = OptionValue(opDelFale) ? kAllFilesFilter : kDescriptorFilter;
    // A descriptor is looked for in the folder of the pieces, when the folder box holds one.
    const QStringList start = OptionValue(GetFile) ? QStringList{Text1->text()} : QStringList{};
    QString name;
    long flags = kOpenFlags;
    mShell.ShowFileDialogFrom(name, filter, kOpenTitle, flags, start);
    if (!name.isEmpty()) FillSource(name);
}

void MainF::FillSource(const QString& path) {
    txtPsd->setText(path);
    Text1->setText(QString::fromStdString(FolderOf(path.toStdString())));
}

void MainF::cmdOpsee_Click() {
    if (mRunning) return;
    // Where the user is: the folder chosen already, else the source's folder.
    const QStringList start = {Text1->text(), QString::fromStdString(FolderOf(Utf8(txtPsd)))};
    const QString folder = mShell.BrowseForFolderFrom(kFolderTitle, this, start);
    if (!folder.isEmpty()) Text1->setText(folder);
}

void MainF::OpenWith(const QString& path) {
    if (path.isEmpty() || mRunning) return;
    const QString absolute = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    const HandedKind kind = KindOfHandedPath(absolute);
    if (kind == HandedKind::Folder) {
        Text1->setText(QString::fromStdString(WithBackslash(absolute.toStdString())));
        return;
    }
    // The mode as a click on its option chooses it.
    const bool merge = kind == HandedKind::Descriptor;
    ChooseOption(merge ? GetFile : opDelFale, merge ? opDelFale : GetFile);
    if (merge) GetFile_Click();
    else opDelFale_Click();
    FillSource(absolute);
}

bool MainF::TakesDrag(const QMimeData* data) const { return !mRunning && ReadDrop(data).kind != DropKind::NoFiles; }

bool MainF::TakeDrop(const QMimeData* data) {
    const DroppedPath drop = ReadDrop(data);
    if (mRunning || drop.kind == DropKind::NoFiles) return false;
    if (drop.kind == DropKind::Usable) {
        OpenWith(drop.path);
        return true;
    }
    // Not while the drop is still going on: its source waits for the answer.
    QTimer::singleShot(0, this, [this, text = DropRefusal(drop.kind)] { mShell.ShowNotice(text, kNoticeIconInformation); });
    return false;
}

void MainF::dragEnterEvent(QDragEnterEvent* event) {
    if (TakesDrag(event->mimeData())) event->acceptProposedAction();
    else event->ignore();
}

void MainF::dragMoveEvent(QDragMoveEvent* event) {
    if (TakesDrag(event->mimeData())) event->acceptProposedAction();
    else event->ignore();
}

void MainF::dropEvent(QDropEvent* event) {
    if (TakeDrop(event->mimeData())) event->acceptProposedAction();
    else event->ignore();
}

void MainF::Command2_Click() {
    if (!OptionValue(opDelFale)) return;
    RunInWindow(
        [this](RunReporter& reporter) {
            SplitRun(SplitInput{Utf8(txtPsd), Utf8(Text1), PieceSize::Read(Utf8(Text2), OptionValue(Option3))}, reporter);
        },
        kStopSplitQuestion);
}

void MainF::Command3_Click() {
    if (!OptionValue(GetFile)) return;
    RunInWindow([this](RunReporter& reporter) { MergeRun(MergeInput{Utf8(txtPsd), Utf8(Text1)}, reporter); },
                kStopMergeQuestion);
}

void MainF::tQueries_Click() { close(); }

void MainF::RunInWindow(const std::function<void(RunReporter&)>& run, const QString& stopQuestion) {
    // The run lets the event loop turn, so a click may arrive while it works.
    if (mRunning) return;
    mRunning = true;
    mStopQuestion = stopQuestion;
    mCommitting = false;
    WindowReporter reporter(mShell, uo1, mCloseRequested, mCommitting);
    run(reporter);
    mRunning = false;
    // A close asked for during the run was held back until the run had cleaned up.
    if (mCloseRequested) close();
}

void MainF::closeEvent(QCloseEvent* event) {
    if (mRunning) {
        // The run is still on the stack inside this window and waits under the question. On
        // 是 it stops at its next breath and the window closes once it has cleaned up and
        // returned; on 否 it goes on. A close while the question shows, or once the run is
        // stopping, asks nothing more.
        event->ignore();
        if (mCloseRequested || mAskingToStop) return;
        // Putting the outputs in place cannot be stopped: nothing to ask, the window closes
        // as soon as it is done.
        if (mCommitting) {
            mCloseRequested = true;
            return;
        }
        mAskingToStop = true;
        const int answer = mShell.ShowNotice(mStopQuestion, kNoticeYesNo | kNoticeIconQuestion | kNoticeDefaultSecond);
        mAskingToStop = false;
        if (answer != kNoticeResultYes) return;
        if (!mRunning) {
            close();
            return;
        }
        // Removing what the run wrote may take seconds: the window says so meanwhile.
        mCloseRequested = true;
        SetBarText(uo1, kStopping);
        return;
    }
    mCloseRequested = false;
    Form::closeEvent(event);
}

void MainF::Text2_KeyPress(int& keyAscii) {
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    if (!digit && keyAscii != kKeyBack) keyAscii = 1;
}

// Pasted text is read as tirnel-cli reads a size: its digits go in as typed ones would, a
// unit suffix chooses KB or MB as a click on the option would. Anything else is refused with
// a notice that quotes it, and the box keeps what it holds.
void MainF::Text2_Paste(const QString& text) {
    if (text.isEmpty() || mRunning) return;
    const SizeArgument size = ParseSizeArgument(text.toStdString());
    if (!size.error.empty()) {
        mShell.ShowNotice(QString::fromStdString(size.error), kNoticeIconInformation);
        return;
    }
    Text2->insert(QString::fromStdString(size.digits));
    if (size.megabytes) ChooseOption(*size.megabytes ? Option3 : Okbs, *size.megabytes ? Okbs : Option3);
}

void MainF::Text2_Change() {
    if (Text2->text().isEmpty()) Text2->setText(QStringLiteral("0"));
}

std::array<QWidget*, 9> MainF::InputControls() const {
    return {opDelFale, GetFile, txtPsd, cmdFile, Text1, cmdOpsee, Text2, Okbs, Option3};
}

namespace {
// The input a control acts on, from the user or assistive technology; painting, focus and the
// pointer's coming and going still pass.
bool IsUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::Wheel:
        return true;
    default:
        return type == AccessibleActionEvent::Kind();
    }
}
}  // namespace

bool MainF::eventFilter(QObject* watched, QEvent* event) {
    // A dialog opened from here would sit in front of the run, which waits for it unseen.
    if (mRunning && IsUserInput(event->type())) {
        const std::array<QWidget*, 9> inputs = InputControls();
        if (std::find(inputs.begin(), inputs.end(), watched) != inputs.end()) return true;
    }
    if (watched == Text2 && RoutePaste(Text2, event, [this](const QString& text) { Text2_Paste(text); })) return true;
    if (watched != Text2 || event->type() != QEvent::KeyPress) return Form::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // Keys that type nothing (arrows, Delete) and shortcuts (copy, undo) reach the box as they are.
    if (key->text().isEmpty() || (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) return false;
    for (const QChar c : key->text()) {
        if (!c.isPrint() && c != u'\b') continue;
        int keyAscii = c.unicode();
        Text2_KeyPress(keyAscii);
        // A character the filter replaced is not inserted.
        if (keyAscii != c.unicode()) return true;
    }
    return false;
}

}  // namespace tirnel
