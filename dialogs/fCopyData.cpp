#include "fCopyData.h"

#include "LibraryState.h"
#include "mMOD.h"

#include "platform/EventGuard.h"
#include "platform/RuntimeError.h"
#include "platform/Twips.h"
#include "platform/Ui.h"
#include "platform/forms/FormBuilder.h"
#include "resource/clsResource.h"
#include "util/method/Trap.h"

#include <QAction>
#include <QBitmap>
#include <QDataStream>
#include <QDir>
#include <QDrag>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

namespace Sorvi27 {

namespace {

using platform::forms::control;
using platform::forms::ControlKind;
using platform::forms::ControlDesign;

constexpr auto kLabel = ControlKind::Label;
constexpr auto kButton = ControlKind::CommandButton;
constexpr const char* kSrc = "frameSrc";
constexpr const char* kDest = "frameDest";

// One destination row: its label, the source's table number and file name, and CLEAR.
#define DEST_ROW(i, caption)                                                                                          \
    {.kind = kLabel, .name = "LabelTableNo", .index = i, .place = QRect(150, 660 + (i) * 450, 1140, 390),              \
     .text = caption, .container = kDest},                                                                            \
        {.kind = kLabel, .name = "lblDestTableNo", .index = i, .place = QRect(1380, 660 + (i) * 450, 510, 390),      \
         .container = kDest},                                                                                         \
        {.kind = kLabel, .name = "lblDestFullFname", .index = i, .place = QRect(1950, 660 + (i) * 450, 2250, 390),   \
         .container = kDest},                                                                                         \
        {.kind = kButton, .name = "btnDestDelete", .index = i, .place = QRect(4290, 660 + (i) * 450, 900, 390),      \
         .text = "CLEAR", .container = kDest}

#define SRC_BUTTON(i, caption)                                                                                        \
    {.kind = kButton, .name = "btnSrc", .index = i, .place = QRect(150, 2130 + (i) * 450, 1650, 390), .text = caption, \
     .container = kSrc}

// Places in twips.
const ControlDesign kControls[] = {
    {.kind = ControlKind::Custom, .name = "tBar", .place = QRect(0, 0, 10800, 450),
     .create = &platform::forms::make<QToolBar>},
    {.kind = ControlKind::Frame, .name = kSrc, .place = QRect(120, 570, 4500, 5880), .caption = 381},
    {.kind = kLabel, .name = "LabelSrcPath", .place = QRect(150, 360, 1050, 300), .caption = 386, .container = kSrc},
    {.kind = kLabel, .name = "lblSrcPath", .place = QRect(1230, 330, 3120, 330), .container = kSrc},
    {.kind = kLabel, .name = "LabelSrcFileName", .place = QRect(150, 750, 1050, 300), .caption = 387,
     .container = kSrc},
    {.kind = kLabel, .name = "lblSrcFileName", .place = QRect(1230, 720, 3120, 330), .container = kSrc},
    {.kind = kButton, .name = "btnReadReferFile", .place = QRect(150, 1200, 4200, 420), .caption = 383,
     .container = kSrc},
    {.kind = kLabel, .name = "LabelSrcTable", .place = QRect(150, 1800, 1650, 270), .text = "TABLE", .container = kSrc},
    {.kind = kLabel, .name = "LabelSrcInfo", .place = QRect(1950, 1800, 2400, 270), .text = "INFO", .container = kSrc},
    {.kind = kLabel, .name = "LabelCopyMsg", .place = QRect(1950, 2130, 2400, 1200), .caption = 385,
     .container = kSrc},
    SRC_BUTTON(0, "TABLE 0"),
    SRC_BUTTON(1, "TABLE 1"),
    SRC_BUTTON(2, "TABLE 2"),
    SRC_BUTTON(3, "TABLE 3"),
    SRC_BUTTON(4, "TABLE 4"),
    SRC_BUTTON(5, "TABLE 5"),
    SRC_BUTTON(6, "TABLE 6"),
    SRC_BUTTON(7, "TABLE 7"),
    {.kind = kLabel, .name = "imgRArrow", .place = QRect(4740, 3300, 480, 480)},
    {.kind = ControlKind::Frame, .name = kDest, .place = QRect(5340, 570, 5340, 5880), .caption = 382},
    {.kind = kLabel, .name = "LabelNewTable", .place = QRect(150, 330, 1140, 270), .text = "NEW TABLE",
     .container = kDest},
    {.kind = kLabel, .name = "LabelDestInfo", .place = QRect(1380, 330, 3750, 270), .text = "INFO", .container = kDest},
    DEST_ROW(0, "0"),
    DEST_ROW(1, "1"),
    DEST_ROW(2, "2"),
    DEST_ROW(3, "3"),
    DEST_ROW(4, "4"),
    DEST_ROW(5, "5"),
    DEST_ROW(6, "6"),
    DEST_ROW(7, "7"),
    {.kind = kLabel, .name = "lblINfo", .place = QRect(150, 4440, 5040, 390), .container = kDest},
    {.kind = kButton, .name = "btnDestSave", .place = QRect(3690, 5190, 1500, 450), .caption = 384,
     .container = kDest},
    {.kind = ControlKind::Custom, .name = "sBar", .place = QRect(0, 6540, 10800, 390),
     .create = &platform::forms::make<QStatusBar>},
};

#undef DEST_ROW
#undef SRC_BUTTON

constexpr QSize kClient(10800, 6930);
constexpr int32_t kSlotCount = 8;

// Kinds of the library's message boxes.
constexpr int16_t kCritical = 1, kExclamation = 2;
// Messages of the dialog.
constexpr int16_t kMsgWrongExtension = 62, kMsgSourceMissing = 63, kMsgCompanionMissing = 64, kMsgBlankSlot = 65,
                  kMsgNotSaved = 67, kMsgExtension = 68, kMsgNoSpace = 69;

// What the new file and its companion need: STG 65536 + 8192 (SEK), STP two files of 65536.
constexpr int64_t kStgBytes = 73728;
constexpr int64_t kStpBytes = 131072;

QString res(int32_t n) { return Resource::clsResource().Res(n); }

QString modeExtension(ENUM_STGorSTP mode) { return mode == eCOPY_STP ? QStringLiteral("STP") : QStringLiteral("STG"); }

QString upperExtension(const QString& path) { return QFileInfo(path).suffix().toUpper(); }

QString folderOf(const QString& path) { return path.isEmpty() ? QString() : QFileInfo(path).absolutePath(); }

// Shows the text in the label, shortened in the middle when a long path does
// not fit; the whole text is the label's tooltip.
void showFitted(QLabel& label, const QString& text)
{
    // The label's own measure of its text decides, bearings and frame included.
    for (int room = label.contentsRect().width(); room > 0; room -= 2) {
        label.setText(label.fontMetrics().elidedText(text, Qt::ElideMiddle, room));
        if (label.sizeHint().width() <= label.width())
            break;
    }
    label.setToolTip(text);
}

} // namespace

const QString fCopyData::kMimeType = QStringLiteral("application/x-qelm-copy-table");

fCopyData::fCopyData(QWidget* parent) : QDialog(parent), state_(LibraryState::acquire())
{
    setObjectName(QStringLiteral("fCopyData"));
    setFixedSize(platform::twipsToPixels(kClient));
    platform::forms::buildControls(*this, kControls);

    for (const char* name : {"lblSrcPath", "lblSrcFileName"}) {
        auto& label = control<QLabel>(*this, QLatin1String(name));
        label.setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
    control<QLabel>(*this, QStringLiteral("LabelCopyMsg")).setWordWrap(true);
    control<QLabel>(*this, QStringLiteral("imgRArrow")).setAlignment(Qt::AlignCenter);

    for (int32_t i = 0; i < kSlotCount; ++i) {
        const auto n = static_cast<size_t>(i);
        btnSrc_[n] = &control<QPushButton>(*this, QStringLiteral("btnSrc%1").arg(i));
        btnSrc_[n]->installEventFilter(this);
        control<QLabel>(*this, QStringLiteral("LabelTableNo%1").arg(i)).setAlignment(Qt::AlignCenter);
        lblDestTableNo_[n] = &control<QLabel>(*this, QStringLiteral("lblDestTableNo%1").arg(i));
        lblDestTableNo_[n]->setFont(QFont(QStringLiteral("Arial")));
        lblDestTableNo_[n]->setAlignment(Qt::AlignCenter);
        lblDestFullFname_[n] = &control<QLabel>(*this, QStringLiteral("lblDestFullFname%1").arg(i));
        for (QLabel* target : {lblDestTableNo_[n], lblDestFullFname_[n]}) {
            target->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            target->setAcceptDrops(true);
            target->installEventFilter(this);
        }
        connect(
            &control<QPushButton>(*this, QStringLiteral("btnDestDelete%1").arg(i)), &QPushButton::clicked, this,
            [this, i] { platform::guarded(QStringLiteral("btnDestDelete_Click"), [&] { btnDestDelete_Click(i); }); });
    }
    connect(&control<QPushButton>(*this, QStringLiteral("btnReadReferFile")), &QPushButton::clicked, this,
            [this] { platform::guarded(QStringLiteral("btnReadReferFile_Click"), [&] { btnReadReferFile_Click(); }); });
    connect(&control<QPushButton>(*this, QStringLiteral("btnDestSave")), &QPushButton::clicked, this,
            [this] { platform::guarded(QStringLiteral("btnDestSave_Click"), [&] { btnDestSave_Click(); }); });
    InitToolbar();
}

fCopyData::~fCopyData() = default;

// ---- loading -----------------------------------------------------------------

void fCopyData::Form_Load()
{
    slots_ = {};
    ClearDisplay();
    SetImages();
    EnableSources(srcFileFullFname_);
    ShowSourceFile();
    if (mode_ == eCOPY_STG)
        showFitted(control<QLabel>(*this, QStringLiteral("lblINfo")), res(379));
    SetCaptions();
}

void fCopyData::ClearDisplay()
{
    showFitted(control<QLabel>(*this, QStringLiteral("lblSrcFileName")), QString());
    for (int32_t i = 0; i < kSlotCount; ++i) {
        lblDestTableNo_[static_cast<size_t>(i)]->clear();
        showFitted(*lblDestFullFname_[static_cast<size_t>(i)], QString());
    }
    showFitted(control<QLabel>(*this, QStringLiteral("lblINfo")), QString());
}

void fCopyData::SetImages()
{
    Ostrel7::trapped(state_->reporter(), QStringLiteral("SetImages"), [&] {
        const Resource::clsResource pictures;
        if (const auto icon = pictures.PicRes(2))
            setWindowIcon(icon->icon());
        if (const auto arrow = pictures.PicRes(16))
            control<QLabel>(*this, QStringLiteral("imgRArrow")).setPixmap(arrow->pixmap());
        if (const auto close = pictures.PicRes(101)) {
            // Toolbar bitmaps are drawn on magenta, which an image list shows as transparent.
            QPixmap picture = close->pixmap();
            picture.setMask(picture.createMaskFromColor(QColor(255, 0, 255)));
            control<QToolBar>(*this, QStringLiteral("tBar")).actions().value(0)->setIcon(QIcon(picture));
        }
    });
}

void fCopyData::InitToolbar()
{
    auto& bar = control<QToolBar>(*this, QStringLiteral("tBar"));
    bar.setMovable(false);
    bar.setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* close = bar.addAction(res(52).trimmed());
    close->setObjectName(QStringLiteral("keyCLOSE"));
    connect(close, &QAction::triggered, this, [this] {
        platform::guarded(QStringLiteral("tBar_ButtonClick"), [&] { tBar_ButtonClick(QStringLiteral("keyCLOSE")); });
    });
}

void fCopyData::SetCaptions()
{
    setWindowTitle(res(380));
    platform::forms::applyCaptions(*this, kControls, &res);
    findChild<QAction*>(QStringLiteral("keyCLOSE"))->setText(res(388));
}

void fCopyData::EnableSources(const QString& path)
{
    const bool open = !path.isEmpty();
    for (QPushButton* button : btnSrc_)
        button->setEnabled(open);
    control<QPushButton>(*this, QStringLiteral("btnDestSave")).setEnabled(open);
    STPOnly(mode_ == eCOPY_STG && open);
}

void fCopyData::STPOnly(bool show)
{
    Ostrel7::trapped(state_->reporter(), QStringLiteral("STPOnly"), [&] {
        // Table 0 of a step file holds its header: it is never copied.
        btnSrc_[0]->setEnabled(show);
        for (const char* name : {"LabelTableNo0", "lblDestTableNo0", "lblDestFullFname0", "btnDestDelete0"})
            control<QWidget>(*this, QLatin1String(name)).setVisible(show);
    });
}

void fCopyData::ShowSourceFile()
{
    const QString folder = srcFileFullFname_.isEmpty() ? QString() : QDir::toNativeSeparators(folderOf(srcFileFullFname_));
    showFitted(control<QLabel>(*this, QStringLiteral("lblSrcPath")), folder);
    showFitted(control<QLabel>(*this, QStringLiteral("lblSrcFileName")), QFileInfo(srcFileFullFname_).fileName());
}

// ---- choosing a source file ------------------------------------------------------

void fCopyData::btnReadReferFile_Click()
{
    const QString path = ReadSourceFile(mode_);
    if (path.isEmpty() || !ExactExt(path, mode_) || !ExistsFuzokuFile(path, mode_))
        return;
    // The slots keep what they hold: earlier drops keep their own source files.
    srcFileFullFname_ = path;
    EnableSources(srcFileFullFname_);
    ShowSourceFile();
}

QString fCopyData::ReadSourceFile(ENUM_STGorSTP mode)
{
    return Ostrel7::trapped(state_->reporter(), QStringLiteral("ReadSourceFile"), [&]() -> QString {
        platform::FileDialogRequest request;
        request.filter = mode == eCOPY_STP ? QStringLiteral("stp file (*.stp)|*.stp")
                                           : QStringLiteral("stg file (*.stg) 65536 byte|*.stg");
        request.title = res(372);
        request.initialFolder = folderOf(srcFileFullFname_);
        request.fileName = QFileInfo(srcFileFullFname_).fileName();
        request.filterIndex = 1;
        const QString chosen = platform::ui().openFileName(request);
        return ExactFile(mode, chosen.toUpper()) ? chosen : QString();
    });
}

bool fCopyData::ExactFile(ENUM_STGorSTP mode, const QString& upperPath)
{
    return Ostrel7::trapped(state_->reporter(), QStringLiteral("ExactFile"), [&] {
        if (upperPath.isEmpty())
            return false;
        if (upperExtension(upperPath) != modeExtension(mode)) {
            mMOD::ShowMessage(kMsgWrongExtension, kExclamation, modeExtension(mode));
            return false;
        }
        return true;
    });
}

bool fCopyData::ExactExt(const QString& path, ENUM_STGorSTP mode)
{
    return Ostrel7::trapped(state_->reporter(), QStringLiteral("ExactExt"), [&] {
        if (upperExtension(path) == modeExtension(mode))
            return true;
        mMOD::ShowMessage(kMsgExtension, kExclamation);
        return false;
    });
}

bool fCopyData::ExistsFuzokuFile(const QString& path, ENUM_STGorSTP mode)
{
    return Ostrel7::trapped(state_->reporter(), QStringLiteral("ExistsFuzokuFile"), [&] {
        if (upperExtension(path) != modeExtension(mode))
            return true;
        const QString extension = mode == eCOPY_STP ? QStringLiteral("BIN") : QStringLiteral("SEK");
        const QString companion = TableCopyWriter::companionOf(path, extension);
        if (QFileInfo(companion).isFile())
            return true;
        mMOD::ShowMessage(kMsgCompanionMissing, kExclamation, QDir::toNativeSeparators(companion));
        return false;
    });
}

// ---- the slots ---------------------------------------------------------------------

QMimeData* fCopyData::dragData(int32_t table) const
{
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out << token_ << table;
    auto* data = new QMimeData;
    data->setData(kMimeType, payload);
    return data;
}

std::optional<int32_t> fCopyData::droppedTable(const QMimeData& data) const
{
    if (!data.hasFormat(kMimeType))
        return std::nullopt;
    QDataStream in(data.data(kMimeType));
    QUuid token;
    int32_t table = -1;
    in >> token >> table;
    if (in.status() != QDataStream::Ok || token != token_ || table < 0 || table >= kSlotCount)
        return std::nullopt;
    return table;
}

bool fCopyData::acceptsDrop(int32_t slot, const QMimeData& data) const
{
    const std::optional<int32_t> table = droppedTable(data);
    if (!table || srcFileFullFname_.isEmpty())
        return false;
    // A step file's table 0 is its header: neither copied nor filled.
    return mode_ == eCOPY_STG || (*table != 0 && slot != 0);
}

void fCopyData::startDrag(int32_t table)
{
    auto* drag = new QDrag(btnSrc_[static_cast<size_t>(table)]);
    drag->setMimeData(dragData(table));
    drag->setPixmap(btnSrc_[static_cast<size_t>(table)]->grab());
    drag->exec(Qt::CopyAction);
}

bool fCopyData::eventFilter(QObject* watched, QEvent* event)
{
    // The source buttons are dragged as soon as they are pressed.
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        for (int32_t i = 0; i < kSlotCount; ++i) {
            if (watched == btnSrc_[static_cast<size_t>(i)] && press->button() == Qt::LeftButton &&
                btnSrc_[static_cast<size_t>(i)]->isEnabled()) {
                platform::guarded(QStringLiteral("btnSrc_MouseDown"), [&] { startDrag(i); });
                return true;
            }
        }
        return QDialog::eventFilter(watched, event);
    }
    const bool entering = event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove;
    if (!entering && event->type() != QEvent::Drop)
        return QDialog::eventFilter(watched, event);
    for (int32_t i = 0; i < kSlotCount; ++i) {
        const auto n = static_cast<size_t>(i);
        if (watched != lblDestTableNo_[n] && watched != lblDestFullFname_[n])
            continue;
        auto* drop = static_cast<QDropEvent*>(event);
        if (!drop->mimeData() || !acceptsDrop(i, *drop->mimeData())) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        if (!entering) {
            const QMimeData& data = *drop->mimeData();
            platform::guarded(QStringLiteral("lblDestFullFname_DragDrop"), [&] { lblDest_DragDrop(i, data); });
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void fCopyData::lblDest_DragDrop(int32_t slot, const QMimeData& data)
{
    if (const std::optional<int32_t> table = droppedTable(data))
        DispDesttInfo(slot, false, *table);
}

void fCopyData::btnDestDelete_Click(int32_t slot) { DispDesttInfo(slot, true, -1); }

void fCopyData::DispDesttInfo(int32_t slot, bool clear, int32_t sourceTable)
{
    Ostrel7::trapped(state_->reporter(), QStringLiteral("DispDesttInfo"), [&] {
        if (slot < 0 || slot >= kSlotCount)
            throw platform::RuntimeError(platform::errSubscript);
        const auto n = static_cast<size_t>(slot);
        auto& info = control<QLabel>(*this, QStringLiteral("lblINfo"));
        if (clear) {
            lblDestTableNo_[n]->clear();
            showFitted(*lblDestFullFname_[n], QStringLiteral(" "));
            slots_[n].reset();
            showFitted(info, QString());
            return;
        }
        // A filled slot is simply overwritten.
        lblDestTableNo_[n]->setText(QString::number(sourceTable));
        showFitted(*lblDestFullFname_[n], QLatin1Char(' ') + QFileInfo(srcFileFullFname_).fileName());
        slots_[n] = TableSource{sourceTable, srcFileFullFname_};
        if (mode_ == eCOPY_STG && slot == 0)
            showFitted(info, res(378) + QDir::toNativeSeparators(GetSEKFullFname()));
    });
}

// ---- saving --------------------------------------------------------------------------

void fCopyData::btnDestSave_Click()
{
    // Every test before anything is written; a failing one ends the click.
    if (mode_ == eCOPY_STG && LackOfSource())
        return;
    if (!ExactFiles())
        return;
    const QString path = GetSavingFile(mode_);
    if (path.isEmpty() || !CanWrite(path))
        return;
    const bool saved = mode_ == eCOPY_STP ? SaveStpFile(path) : SaveStgFile(path);
    if (!saved)
        mMOD::ShowMessage(kMsgNotSaved, kCritical);
}

bool fCopyData::LackOfSource()
{
    return Ostrel7::trapped(state_->reporter(), QStringLiteral("LackOfSource"), [&] {
        for (const auto& slot : slots_) {
            if (!slot) {
                mMOD::ShowMessage(kMsgBlankSlot, kExclamation);
                return true;
            }
        }
        return false;
    }, true);
}

bool fCopyData::ExactFiles()
{
    return Ostrel7::trapped(state_->reporter(), QStringLiteral("ExactFiles"), [&] {
        for (const auto& slot : slots_) {
            if (slot && !QFileInfo(slot->path).isFile()) {
                mMOD::ShowMessage(kMsgSourceMissing, kExclamation, QDir::toNativeSeparators(slot->path));
                return false;
            }
        }
        return true;
    });
}

QString fCopyData::GetSavingFile(ENUM_STGorSTP mode)
{
    return Ostrel7::trapped(state_->reporter(), QStringLiteral("GetSavingFile"), [&]() -> QString {
        platform::FileDialogRequest request;
        request.title = res(70);
        request.initialFolder = lastSaveFolder_;
        request.filter = mode == eCOPY_STP ? QStringLiteral("stp file (*.stp) 65536 byte|*.stp")
                                           : QStringLiteral("stg file (*.stg) 65536 byte|*.stg");
        request.defaultSuffix = modeExtension(mode);
        const QString chosen = platform::ui().saveFileName(request);
        if (chosen.isEmpty())
            return {};
        lastSaveFolder_ = folderOf(chosen);
        return chosen;
    });
}

bool fCopyData::CanWrite(const QString& path)
{
    return Ostrel7::trapped(state_->reporter(), QStringLiteral("CanWrite"), [&] {
        if (CheckFileFreeSpace(path, mode_ == eCOPY_STP ? kStpBytes : kStgBytes))
            return true;
        mMOD::ShowMessage(kMsgNoSpace, kExclamation);
        return false;
    });
}

bool fCopyData::CheckFileFreeSpace(const QString& path, int64_t bytesNeeded)
{
    return Ostrel7::trapped(state_->reporter(), QStringLiteral("CheckFileFreeSpace"), [&] {
        // The file system is looked up first: a folder that can't be measured fails.
        const int64_t free = freeSpace_(QFileInfo(path).absolutePath());
        return QFileInfo(path).isFile() || free >= bytesNeeded;
    });
}

QString fCopyData::GetSEKFullFname() { return TableCopyWriter(state_->reporter(), slots_).GetSEKFullFname(); }

bool fCopyData::SaveStgFile(const QString& path) { return TableCopyWriter(state_->reporter(), slots_).SaveStgFile(path); }

bool fCopyData::SaveStpFile(const QString& path) { return TableCopyWriter(state_->reporter(), slots_).SaveStpFile(path); }

void fCopyData::tBar_ButtonClick(const QString& key)
{
    if (key == QLatin1String("keyCLOSE"))
        reject();
}

} // namespace Sorvi27
