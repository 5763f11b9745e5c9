// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/panel/ChannelSettingsPanel.h"

#include <algorithm>
#include <cstdint>

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "model/RotorPositions.h"
#include "model/ChannelRecord.h"
#include "model/RecordFields.h"
#include "ui/fields/CFieldValidator.h"
#include "ui/fields/CPanelComboBox.h"
#include "ui/fields/CValidatingEdit.h"
#include "ui/fields/DecimalText.h"
#include "ui/platform/Windows1252Text.h"

namespace qvx {
namespace {

const QString kDigits = QStringLiteral("0123456789");

struct IdFieldDescription {
    const char* caption;
    const char* objectName;
    std::uint16_t ChannelRecord::* value;
};

const IdFieldDescription kIdFields[] = {
    {QT_TRANSLATE_NOOP("Window", "Service ID"), "serviceIdField", &ChannelRecord::serviceId},
    {QT_TRANSLATE_NOOP("Window", "Network ID"), "networkIdField", &ChannelRecord::networkId},
    {QT_TRANSLATE_NOOP("Window", "Video PID"), "videoPidField", &ChannelRecord::videoPid},
    {QT_TRANSLATE_NOOP("Window", "Audio PID"), "audioPidField", &ChannelRecord::audioPid},
    {QT_TRANSLATE_NOOP("Window", "Teletext PID"), "teletextPidField", &ChannelRecord::teletextPid},
    {QT_TRANSLATE_NOOP("Window", "Transport Stream"), "transportStreamField", &ChannelRecord::transportStreamId},
    {QT_TRANSLATE_NOOP("Window", "PCRPID"), "pcrPidField", &ChannelRecord::pcrPid},
    {QT_TRANSLATE_NOOP("Window", "PMTPID"), "pmtPidField", &ChannelRecord::pmtPid},
    {QT_TRANSLATE_NOOP("Window", "PMCPID"), "pmcPidField", &ChannelRecord::pmcPid},
    {QT_TRANSLATE_NOOP("Window", "AC3PID"), "ac3PidField", &ChannelRecord::ac3Pid},
};

void name(QWidget* widget, const char* objectName, const QString& caption) {
    widget->setObjectName(QLatin1String(objectName));
    widget->setAccessibleName(caption);
}

CValidatingEdit* makeEdit(const char* objectName, const QString& caption, int limit, const QString& accepted,
                          const CFieldValidator* validator) {
    auto* edit = new CValidatingEdit;
    name(edit, objectName, caption);
    edit->setLengthLimit(limit);
    edit->setAcceptedCharacters(accepted);
    edit->setFieldValidator(validator);
    if (!accepted.isEmpty()) edit->setInputMethodHints(Qt::ImhDigitsOnly);
    return edit;
}

CPanelComboBox* makeList(const char* objectName, const QString& caption, const QStringList& entries) {
    auto* list = new CPanelComboBox;
    name(list, objectName, caption);
    list->addItems(entries);
    list->setCurrentIndex(-1);
    return list;
}

// A field's caption in the window's language, as wide as its English source text at
// least: the window keeps the size it was made for in every language (a longer
// translation has to be abbreviated, which the translation test sees).
class CaptionLabel final : public QLabel {
public:
    explicit CaptionLabel(const char* source)
        : QLabel(QCoreApplication::translate("Window", source)), source_(QString::fromUtf8(source)) {}

    QSize sizeHint() const override { return atLeastSource(QLabel::sizeHint()); }
    QSize minimumSizeHint() const override { return atLeastSource(QLabel::minimumSizeHint()); }

private:
    QSize atLeastSource(QSize hint) const {
        const int shown = fontMetrics().size(0, text()).width();
        const int english = fontMetrics().size(0, source_).width();
        if (english > shown) hint.rwidth() += english - shown;
        return hint;
    }

    QString source_;
};

QLabel* label(const char* source, QWidget* buddy) {
    auto* text = new CaptionLabel(source);
    text->setBuddy(buddy);
    return text;
}

// The entry a stored value shows: values above `clampFrom` show the last entry,
// values beyond the list none.
int shownEntry(int value, const CPanelComboBox* list, bool clampToLast) {
    if (value < list->count()) return value;
    return clampToLast ? list->count() - 1 : -1;
}

// Only a changed text is set: an unchanged field is not repainted.
void showText(CValidatingEdit* field, const QString& text) {
    if (field->text() != text) field->setText(text);
}

// A list without a chosen entry gives -1, stored with all bits set.
std::uint8_t entryByte(const CPanelComboBox* list) {
    return static_cast<std::uint8_t>(list->currentIndex() & 0xFF);
}

}  // namespace

ChannelSettingsPanel::ChannelSettingsPanel(QWidget* parent)
    : QWidget(parent),
      frequencyValidator_(std::make_unique<CBelow900000000Validator>()),
      symbolRateValidator_(std::make_unique<CBelow70000000Validator>()),
      idValidator_(std::make_unique<CBelow65536Validator>()),
      volumeValidator_(std::make_unique<CAtMost100Validator>()) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildSettingsGroup());
    layout->addWidget(buildIdGroup());
    setFieldsEnabled(false, false);
}

ChannelSettingsPanel::~ChannelSettingsPanel() = default;

QGroupBox* ChannelSettingsPanel::buildSettingsGroup() {
    name_ = makeEdit("channelNameField", QCoreApplication::translate("Window", "Channel Name"), 31, {}, nullptr);
    transponder_ = makeEdit("transponderField", QCoreApplication::translate("Window", "Transp."), 31, {}, nullptr);
    frequency_ =
        makeEdit("frequencyField", QCoreApplication::translate("Window", "Frequency [KHz]"), 10, kDigits, frequencyValidator_.get());
    symbolRate_ = makeEdit("symbolRateField", QCoreApplication::translate("Window", "Symbolrate [Hz]"), 8, kDigits,
                           symbolRateValidator_.get());
    volume_ = makeEdit("volumeField", QCoreApplication::translate("Window", "Volume"), 3, kDigits, volumeValidator_.get());

    QStringList lnbEntries;
    for (int i = 0; i < kLnbCount; ++i) lnbEntries << fromWindows1252(lnbEntry(i));
    QStringList rotorEntries;
    for (int i = 0; i < kRotorPositionCount; ++i) rotorEntries << fromWindows1252(rotorPositionEntry(i));
    lnb_ = makeList("lnbList", QCoreApplication::translate("Window", "LNB"), lnbEntries);
    qam_ = makeList("qamList", QCoreApplication::translate("Window", "QAM"),
                    {QStringLiteral("NONE"), QStringLiteral("QAM16"), QStringLiteral("QAM32"),
                     QStringLiteral("QAM64"), QStringLiteral("QAM128"), QStringLiteral("QAM256")});
    fec_ = makeList("fecList", QCoreApplication::translate("Window", "FEC"),
                    {QStringLiteral("AUTO"), QStringLiteral("1/2"), QStringLiteral("2/3"),
                     QStringLiteral("3/4"), QStringLiteral("4/5"), QStringLiteral("5/6"),
                     QStringLiteral("6/7"), QStringLiteral("7/8"), QStringLiteral("8/9")});
    polarity_ = makeList("polarityList", QCoreApplication::translate("Window", "Polarity"),
                         {QCoreApplication::translate("Window", "Horizontal"), QCoreApplication::translate("Window", "Vertical")});
    scrambling_ = makeList("scramblingList", QCoreApplication::translate("Window", "Scrambling"),
                           {QStringLiteral("FREE-TV"), QStringLiteral("PAY-TV")});
    tvSignal_ = makeList("tvSignalList", QCoreApplication::translate("Window", "TV signal"),
                         {QStringLiteral("PAL"), QStringLiteral("NTSC")});
    rotor_ = makeList("rotorPositionList", QCoreApplication::translate("Window", "Rotor Pos."), rotorEntries);

    compareByName_ = new QCheckBox;
    name(compareByName_, "compareByNameBox", QCoreApplication::translate("Window", "Compare by channel name"));
    compareByName_->setChecked(true);

    auto* group = new QGroupBox(QCoreApplication::translate("Window", "Channel settings"));
    group->setObjectName(QStringLiteral("channelSettingsGroup"));
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->addWidget(label(QT_TRANSLATE_NOOP("Window", "Channel Name"), name_), 0, 0);
    grid->addWidget(name_, 0, 1, 1, 3);
    grid->addWidget(compareByName_, 0, 4);
    grid->addWidget(label(QT_TRANSLATE_NOOP("Window", "Transp."), transponder_), 1, 0);
    grid->addWidget(transponder_, 1, 1, 1, 3);
    grid->addWidget(label(QT_TRANSLATE_NOOP("Window", "Frequency [KHz]\n(Cable: [Hz])"), frequency_), 2, 0);
    grid->addWidget(frequency_, 2, 1, 1, 3);
    grid->addWidget(label(QT_TRANSLATE_NOOP("Window", "Symbolrate [Hz]"), symbolRate_), 3, 0);
    grid->addWidget(symbolRate_, 3, 1, 1, 3);
    const struct {
        const char* leftCaption;
        QWidget* left;
        const char* rightCaption;
        QWidget* right;
    } pairs[] = {{QT_TRANSLATE_NOOP("Window", "LNB"), lnb_, QT_TRANSLATE_NOOP("Window", "Polarity"), polarity_},
                 {QT_TRANSLATE_NOOP("Window", "QAM"), qam_, QT_TRANSLATE_NOOP("Window", "Scrambling"), scrambling_},
                 {QT_TRANSLATE_NOOP("Window", "FEC"), fec_, QT_TRANSLATE_NOOP("Window", "TV signal"), tvSignal_},
                 {QT_TRANSLATE_NOOP("Window", "Volume"), volume_, QT_TRANSLATE_NOOP("Window", "Rotor Pos."), rotor_}};
    int row = 4;
    for (const auto& pair : pairs) {
        grid->addWidget(label(pair.leftCaption, pair.left), row, 0);
        grid->addWidget(pair.left, row, 1);
        grid->addWidget(label(pair.rightCaption, pair.right), row, 2);
        grid->addWidget(pair.right, row, 3, 1, pair.right == rotor_ ? 2 : 1);
        ++row;
    }
    rotor_->setMinimumContentsLength(18);
    rotor_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 2);
    return group;
}

QGroupBox* ChannelSettingsPanel::buildIdGroup() {
    compareByServiceId_ = new QCheckBox;
    name(compareByServiceId_, "compareByServiceIdBox", QCoreApplication::translate("Window", "Compare by Service ID"));
    compareByServiceId_->setChecked(true);
    // One of the two compare boxes always stays checked: clearing the last one checks the other.
    for (auto [clicked, other] : {std::pair{compareByName_, compareByServiceId_},
                                  std::pair{compareByServiceId_, compareByName_}}) {
        connect(clicked, &QCheckBox::clicked, other, [clicked, other] {
            if (!clicked->isChecked() && !other->isChecked()) other->setChecked(true);
        });
    }

    auto* group = new QGroupBox(QCoreApplication::translate("Window", "ID's"));
    group->setObjectName(QStringLiteral("idGroup"));
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    for (int i = 0; i < IdFieldCount; ++i) {
        const auto& description = kIdFields[i];
        const QString caption = QCoreApplication::translate("Window", description.caption);
        auto* edit = makeEdit(description.objectName, caption, 5, kDigits, idValidator_.get());
        ids_[static_cast<std::size_t>(i)] = edit;
        const int row = i % 5;
        const int column = i < 5 ? 0 : 3;
        grid->addWidget(label(description.caption, edit), row, column);
        grid->addWidget(edit, row, column + 1);
    }
    grid->addWidget(compareByServiceId_, 0, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    grid->setColumnMinimumWidth(2, 20);
    return group;
}

void ChannelSettingsPanel::attach(QWidget* dialog) {
    for (CValidatingEdit* edit : allEdits()) edit->attach(dialog);
}

QList<CValidatingEdit*> ChannelSettingsPanel::allEdits() const {
    QList<CValidatingEdit*> edits{name_, transponder_, frequency_, symbolRate_};
    for (CValidatingEdit* id : ids_) edits << id;
    edits << volume_;
    return edits;
}

void ChannelSettingsPanel::clearFields() {
    for (CValidatingEdit* edit : allEdits()) showText(edit, QString());
    for (CPanelComboBox* list : {lnb_, qam_, fec_, polarity_, scrambling_, tvSignal_, rotor_}) list->setCurrentIndex(-1);
}

QList<QPair<QWidget*, const char*>> ChannelSettingsPanel::recordFieldsShown() const {
    static const char* const idNames[IdFieldCount] = {"serviceId", "networkId", "videoPid", "audioPid",
                                                      "teletextPid", "transportStreamId", "pcrPid", "pmtPid",
                                                      "pmcPid", "ac3Pid"};
    QList<QPair<QWidget*, const char*>> shown{
        {name_, "name"}, {transponder_, "transponder"}, {frequency_, "frequency"}, {symbolRate_, "symbolRate"},
        {polarity_, "polarity"}, {fec_, "fec"}, {lnb_, "lnb"}, {tvSignal_, "tvSignal"},
        {scrambling_, "scrambled"}, {volume_, "volume"}, {rotor_, "rotorPosition"}, {qam_, "qam"}};
    for (int i = 0; i < IdFieldCount; ++i) shown.append({ids_[static_cast<std::size_t>(i)], idNames[i]});
    return shown;
}

void ChannelSettingsPanel::ShowShared(std::span<const ChannelRecord* const> records) {
    if (records.empty()) return;
    ShowRecord(*records.front());
    const std::vector<std::string_view> differ = fieldsThatDiffer(records);
    for (const auto& [field, name] : recordFieldsShown()) {
        if (std::find(differ.begin(), differ.end(), std::string_view(name)) == differ.end()) continue;
        if (auto* edit = qobject_cast<CValidatingEdit*>(field)) {
            showText(edit, QString());
            edit->setEmptyAccepted(true);
        } else if (auto* list = qobject_cast<CPanelComboBox*>(field)) {
            list->setCurrentIndex(-1);
        }
    }
}

QStringList ChannelSettingsPanel::fieldValues() const {
    QStringList values;
    for (const auto& shown : recordFieldsShown()) {
        if (auto* edit = qobject_cast<CValidatingEdit*>(shown.first))
            values << edit->text();
        else
            values << QString::number(static_cast<CPanelComboBox*>(shown.first)->currentIndex());
    }
    return values;
}

void ChannelSettingsPanel::storeChangedInto(ChannelRecord& record, bool asChannel, const QStringList& shown) const {
    ChannelRecord typed = record;
    storeInto(typed, asChannel);
    const RecordImage from = typed.image();
    RecordImage image = record.image();
    const QStringList now = fieldValues();
    const auto fields = recordFieldsShown();
    for (qsizetype i = 0; i < fields.size() && i < shown.size(); ++i) {
        if (now[i] == shown[i]) continue;
        for (const RecordField& field : recordFields())
            if (field.name == fields[i].second)
                std::copy_n(from.begin() + static_cast<std::ptrdiff_t>(field.offset), field.size,
                            image.begin() + static_cast<std::ptrdiff_t>(field.offset));
    }
    record = ChannelRecord::fromImage(image);
}

void ChannelSettingsPanel::ShowRecord(const ChannelRecord& shown) {
    for (CValidatingEdit* edit : allEdits()) edit->setEmptyAccepted(false);
    const ChannelRecord record = shown;
    showText(name_, fromWindows1252(record.nameText()));
    showText(transponder_, fromWindows1252(record.transponderText()));
    showText(frequency_, QString::number(record.frequency));
    showText(symbolRate_, QString::number(record.symbolRate));
    polarity_->setCurrentIndex(shownEntry(record.polarity, polarity_, true));
    fec_->setCurrentIndex(shownEntry(record.fec, fec_, false));
    lnb_->setCurrentIndex(shownEntry(record.lnb, lnb_, true));
    tvSignal_->setCurrentIndex(shownEntry(record.tvSignal, tvSignal_, false));
    scrambling_->setCurrentIndex(shownEntry(record.scrambled, scrambling_, true));
    showText(volume_, QString::number(record.volume));
    rotor_->setCurrentIndex(shownEntry(record.rotorPosition, rotor_, false));
    for (int i = 0; i < IdFieldCount; ++i)
        showText(ids_[static_cast<std::size_t>(i)], QString::number(record.*kIdFields[i].value));
    qam_->setCurrentIndex(shownEntry(record.qam, qam_, true));
}

void ChannelSettingsPanel::storeInto(ChannelRecord& record, bool asChannel) const {
    record.setName(toWindows1252(name_->text()));
    record.lnb = entryByte(lnb_);
    record.rotorPosition = entryByte(rotor_);
    if (!asChannel) return;
    record.frequency = static_cast<std::uint32_t>(decimalValue(frequency_->text()));
    record.symbolRate = static_cast<std::uint32_t>(decimalValue(symbolRate_->text()));
    record.setTransponderText(toWindows1252(transponder_->text()));
    record.volume = static_cast<std::uint8_t>(decimalValue(volume_->text()) & 0xFF);
    record.scrambled = static_cast<std::uint16_t>(scrambling_->currentIndex() & 0xFFFF);
    record.tvSignal = entryByte(tvSignal_);
    for (int i = 0; i < IdFieldCount; ++i)
        record.*kIdFields[i].value =
            static_cast<std::uint16_t>(decimalValue(ids_[static_cast<std::size_t>(i)]->text()) & 0xFFFF);
    record.qam = entryByte(qam_);
    record.polarity = entryByte(polarity_);
    record.fec = entryByte(fec_);
}

void ChannelSettingsPanel::setFieldsEnabled(bool common, bool channelOnly) {
    for (QWidget* field : std::initializer_list<QWidget*>{name_, lnb_, rotor_}) field->setEnabled(common);
    for (QWidget* field : std::initializer_list<QWidget*>{transponder_, frequency_, symbolRate_, polarity_,
                                                          volume_, tvSignal_, fec_, scrambling_, qam_})
        field->setEnabled(channelOnly);
    for (CValidatingEdit* id : ids_) id->setEnabled(channelOnly);
}

CValidatingEdit* ChannelSettingsPanel::firstRefusedField(QString* message) const {
    for (QWidget* widget : leadingFocusOrder() + trailingFocusOrder()) {
        auto* edit = qobject_cast<CValidatingEdit*>(widget);
        if (!edit || !edit->isEnabled()) continue;
        const QString refusal = edit->checkValue();
        if (!refusal.isEmpty()) {
            if (message) *message = refusal;
            return edit;
        }
    }
    return nullptr;
}

QList<QWidget*> ChannelSettingsPanel::leadingFocusOrder() const {
    QList<QWidget*> order{name_, transponder_, frequency_, symbolRate_, lnb_,
                          qam_,  fec_,         polarity_,  scrambling_};
    for (CValidatingEdit* id : ids_) order << id;
    return order;
}

QList<QWidget*> ChannelSettingsPanel::trailingFocusOrder() const { return {rotor_, volume_, tvSignal_}; }

CompareOptions ChannelSettingsPanel::compareOptions() const {
    return {compareByName_->isChecked(), compareByServiceId_->isChecked()};
}

}  // namespace qvx
