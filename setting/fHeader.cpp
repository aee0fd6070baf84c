#include "fHeader.h"

#include "ProgramState.h"
#include "fMain.h"
#include "mMOD.h"

#include "datamodel/parameters/colclsFunction.h"
#include "platform/EventGuard.h"
#include "platform/KeyCodes.h"
#include "platform/RuntimeError.h"
#include "platform/Twips.h"
#include "platform/forms/FormBuilder.h"
#include "resource/clsResource.h"
#include "util/method/Trap.h"
#include "util/method/clsMethod.h"
#include "util/string/clsString.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace QelmSet {

namespace {

using platform::forms::ControlKind;
using platform::forms::ControlDesign;

constexpr int kTableNumbers = 8;
constexpr int kDataVersions = 16;

// Places in twips.
const ControlDesign kControls[] = {
    {.kind = ControlKind::Label, .name = "lbl1", .place = QRect(150, 210, 1700, 255), .caption = 93},
    {.kind = ControlKind::ComboBox, .name = "cboSettingTableNo", .place = QRect(1900, 150, 1000, 330)},
    {.kind = ControlKind::Label, .name = "lbl2", .place = QRect(150, 690, 1700, 255), .caption = 94},
    {.kind = ControlKind::ComboBox, .name = "cboDataVersion", .place = QRect(1900, 630, 1000, 330)},
    {.kind = ControlKind::Label, .name = "lbl3", .place = QRect(150, 1170, 1700, 255), .caption = 95},
    {.kind = ControlKind::TextBox, .name = "txtKishuName", .place = QRect(1900, 1110, 1000, 330)},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 1, .place = QRect(3200, 150, 1400, 420),
     .caption = 91},
    {.kind = ControlKind::CommandButton, .name = "BTN", .index = 2, .place = QRect(3200, 690, 1400, 420),
     .caption = 92},
};
constexpr QSize kClient(4800, 1650);

QString catalogueText(int32_t number) { return Resource::clsResource().Res(number); }

bool isNameCharacter(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

// Only ASCII letters change: the name takes no other letters anyway.
QString withAsciiCapitals(const QString& text)
{
    QString upper = text;
    for (QChar& c : upper)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - u'a' + u'A');
    return upper;
}

} // namespace

fHeader::fHeader(fMain& main, QWidget* parent) : QDialog(parent), main_(main), state_(main.state())
{
    setObjectName(QStringLiteral("fHeader"));
    setFixedSize(platform::twipsToPixels(kClient));
    platform::forms::buildControls(*this, kControls);
    using platform::forms::control;
    cboSettingTableNo_ = &control<QComboBox>(*this, QStringLiteral("cboSettingTableNo"));
    cboDataVersion_ = &control<QComboBox>(*this, QStringLiteral("cboDataVersion"));
    txtKishuName_ = &control<QLineEdit>(*this, QStringLiteral("txtKishuName"));
    save_ = &control<QPushButton>(*this, QStringLiteral("BTN1"));
    control<QLabel>(*this, QStringLiteral("lbl1")).setBuddy(cboSettingTableNo_);
    control<QLabel>(*this, QStringLiteral("lbl2")).setBuddy(cboDataVersion_);
    control<QLabel>(*this, QStringLiteral("lbl3")).setBuddy(txtKishuName_);
    txtKishuName_->setMaxLength(kNameLength);
    txtKishuName_->installEventFilter(this);

    connect(cboSettingTableNo_, &QComboBox::activated, this, [this] {
        platform::guarded(QStringLiteral("cboSettingTableNo_Click"), [&] { cboSettingTableNo_Click(); });
    });
    connect(cboDataVersion_, &QComboBox::activated, this,
            [this] { platform::guarded(QStringLiteral("cboDataVersion_Click"), [&] { cboDataVersion_Click(); }); });
    connect(txtKishuName_, &QLineEdit::textChanged, this,
            [this] { platform::guarded(QStringLiteral("txtKishuName_Change"), [&] { txtKishuName_Change(); }); });
    // A pasted name gets its capitals as typed letters do.
    connect(txtKishuName_, &QLineEdit::textEdited, this, [this](const QString& text) {
        platform::guarded(QStringLiteral("txtKishuName_Change"), [&] {
            const QString upper = withAsciiCapitals(text);
            if (upper == text)
                return;
            const int cursor = txtKishuName_->cursorPosition();
            txtKishuName_->setText(upper);
            txtKishuName_->setCursorPosition(cursor);
        });
    });
    for (int i = 1; i <= 2; ++i)
        connect(&control<QPushButton>(*this, QStringLiteral("BTN%1").arg(i)), &QPushButton::clicked, this,
                [this, i] { platform::guarded(QStringLiteral("BTN_Click"), [&] { BTN_Click(i); }); });
}

void fHeader::Form_Load()
{
    SetHeaderCaptions();
    save_->setEnabled(false);
    FillHeaderLists();
    PasteValue();
}

void fHeader::SetHeaderCaptions()
{
    setWindowTitle(catalogueText(316));
    platform::forms::applyCaptions(*this, kControls, &catalogueText);
}

void fHeader::FillHeaderLists()
{
    cboSettingTableNo_->clear();
    for (int i = 0; i < kTableNumbers; ++i)
        cboSettingTableNo_->addItem(QString::number(i));
    cboDataVersion_->clear();
    for (int i = 0; i < kDataVersions; ++i)
        cboDataVersion_->addItem(QString::number(i, 16).toUpper());
}

QString fHeader::storedName() const
{
    QString name = state_.functions->KishuName();
    while (name.endsWith(QChar(u'\0')))
        name.chop(1);
    return name;
}

void fHeader::PasteValue()
{
    const Telva27::colclsFunction& header = *state_.functions;
    // A stored value the list cannot show is reported; the other fields are
    // still filled, so that a save never takes an empty field for a value.
    auto select = [&](QComboBox& list, int value) {
        Ostrel7::trapped(*state_.method, QStringLiteral("PasteValue"), [&] {
            list.setCurrentIndex(-1);
            if (value < 0 || value >= list.count())
                throw platform::RuntimeError(platform::errInvalidPropertyValue);
            list.setCurrentIndex(value);
        });
    };
    select(*cboSettingTableNo_, header.SettingTableNo());
    select(*cboDataVersion_, header.DataVersion());
    txtKishuName_->setText(storedName());
}

void fHeader::cboSettingTableNo_Click()
{
    if (cboSettingTableNo_->currentIndex() != state_.functions->SettingTableNo())
        save_->setEnabled(true);
}

void fHeader::cboDataVersion_Click()
{
    if (cboDataVersion_->currentIndex() != state_.functions->DataVersion())
        save_->setEnabled(true);
}

void fHeader::txtKishuName_Change()
{
    if (txtKishuName_->text() != storedName())
        save_->setEnabled(true);
}

bool fHeader::txtKishuName_KeyPress(int& keyAscii)
{
    if (keyAscii < 32)
        return true; // control keys edit as usual
    if (keyAscii <= 0xFF)
        keyAscii = state_.string->CvToBigASC(static_cast<int16_t>(keyAscii));
    return keyAscii <= 0xFF && isNameCharacter(QChar(keyAscii));
}

bool fHeader::IsModelName(const QString& name)
{
    return name.size() <= kNameLength && std::all_of(name.begin(), name.end(), isNameCharacter);
}

bool fHeader::CheckData()
{
    if (IsModelName(txtKishuName_->text()))
        return true;
    mMOD::ShowMessage(39, 2, QStringLiteral("%1 (0-9, A-Z)").arg(kNameLength));
    txtKishuName_->setFocus();
    return false;
}

bool fHeader::SaveVarHeader()
{
    Telva27::colclsFunction& header = *state_.functions;
    const uint8_t oldTableNo = header.SettingTableNo();
    const int16_t oldVersion = header.DataVersion();
    const QString oldName = header.KishuName();
    return Ostrel7::trapped(*state_.method, QStringLiteral("SaveVarHeader"), [&] {
        try {
            // A list without a selection keeps the stored value.
            if (cboSettingTableNo_->currentIndex() >= 0)
                header.setSettingTableNo(cboSettingTableNo_->currentIndex());
            if (cboDataVersion_->currentIndex() >= 0)
                header.setDataVersion(cboDataVersion_->currentIndex());
            // An untouched name keeps its stored form, padding included.
            if (txtKishuName_->text() != storedName())
                header.setKishuName(txtKishuName_->text());
        } catch (...) {
            // All three or none: the header is never left half written.
            header.setSettingTableNo(oldTableNo);
            header.setDataVersion(oldVersion);
            header.setKishuName(oldName);
            throw;
        }
        return true;
    });
}

void fHeader::BTN_Click(int index)
{
    if (index != 1) {
        reject();
        return;
    }
    if (!CheckData() || !SaveVarHeader())
        return;
    // The dialog closes whether or not the save went through: the values stay
    // in the data model for the next save.
    main_.SaveAllFiles(QStringLiteral("keyOVERWRITE"));
    accept();
}

bool fHeader::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtKishuName_ && event->type() == QEvent::FocusIn)
        state_.method->TextSelOp(txtKishuName_);
    if (watched == txtKishuName_ && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        int keyAscii = platform::keys::keyAsciiOf(key);
        // Shortcuts (Ctrl+A, Ctrl+V ...) and keys without a character edit as usual.
        if (keyAscii == 0 || key.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return QDialog::eventFilter(watched, event);
        const int typed = keyAscii;
        const bool taken = platform::guarded(QStringLiteral("txtKishuName_KeyPress"),
                                             [&] { return txtKishuName_KeyPress(keyAscii); }, false);
        if (!taken)
            return true;
        if (keyAscii != typed) {
            txtKishuName_->insert(QString(QChar(keyAscii)));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace QelmSet
