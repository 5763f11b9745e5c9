// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <memory>
#include <span>

#include <QWidget>

#include "compare/CompareOptions.h"

class QCheckBox;
class QGroupBox;

namespace qvx {

struct ChannelRecord;
class CFieldValidator;
class CPanelComboBox;
class CValidatingEdit;

// The "Channel settings" and "ID's" groups: one field per record field. It
// shows a record and stores the fields back into one; when the fields may be
// edited is the window's decision.
class ChannelSettingsPanel final : public QWidget {
    Q_OBJECT

public:
    // The ten ID fields in their layout order: left column, then right column.
    enum IdField {
        ServiceId, NetworkId, VideoPid, AudioPid, TeletextPid,
        TransportStream, PcrPid, PmtPid, PmcPid, Ac3Pid,
        IdFieldCount
    };

    explicit ChannelSettingsPanel(QWidget* parent = nullptr);
    ~ChannelSettingsPanel() override;
    ChannelSettingsPanel(const ChannelSettingsPanel&) = delete;
    ChannelSettingsPanel& operator=(const ChannelSettingsPanel&) = delete;

    // Creates the info windows of the fields, owned by `dialog`.
    void attach(QWidget* dialog);

    // Fills every field from the record; no range check runs.
    void ShowRecord(const ChannelRecord& record);
    // Several records: every field shows the value they share, or nothing where
    // they differ (such a text field then accepts staying empty).
    void ShowShared(std::span<const ChannelRecord* const> records);
    // What every field shows now, to tell afterwards which ones the user changed.
    QStringList fieldValues() const;
    // storeInto, but only the fields whose value is no longer the one in `shown` (of fieldValues()).
    void storeChangedInto(ChannelRecord& record, bool asChannel, const QStringList& shown) const;
    // Empties the fields and lists, as at start: the panel shows no record.
    void clearFields();
    // Stores the name, LNB and rotor position, and with `asChannel` every other
    // field, into `record`. A list without a chosen entry stores 255.
    void storeInto(ChannelRecord& record, bool asChannel) const;
    // Name, LNB and rotor position with `common`; the channel-only fields with `channelOnly`.
    void setFieldsEnabled(bool common, bool channelOnly);

    // The first field, in focus order, whose value is refused; null when all are accepted.
    CValidatingEdit* firstRefusedField(QString* message) const;

    CValidatingEdit* nameField() const { return name_; }
    CValidatingEdit* transponderField() const { return transponder_; }
    CValidatingEdit* frequencyField() const { return frequency_; }
    CValidatingEdit* symbolRateField() const { return symbolRate_; }
    CValidatingEdit* volumeField() const { return volume_; }
    CValidatingEdit* idField(IdField which) const { return ids_[static_cast<std::size_t>(which)]; }
    CPanelComboBox* lnbList() const { return lnb_; }
    CPanelComboBox* qamList() const { return qam_; }
    CPanelComboBox* fecList() const { return fec_; }
    CPanelComboBox* polarityList() const { return polarity_; }
    CPanelComboBox* scramblingList() const { return scrambling_; }
    CPanelComboBox* tvSignalList() const { return tvSignal_; }
    CPanelComboBox* rotorList() const { return rotor_; }
    QCheckBox* compareByName() const { return compareByName_; }
    QCheckBox* compareByServiceId() const { return compareByServiceId_; }
    // What makes two channels equal, as the two check boxes say.
    CompareOptions compareOptions() const;

    // Focus order of the fields above the ID group and of the ID group, and of
    // the fields that come after the window's buttons.
    QList<QWidget*> leadingFocusOrder() const;
    QList<QWidget*> trailingFocusOrder() const;

private:
    QGroupBox* buildSettingsGroup();
    QGroupBox* buildIdGroup();
    QList<CValidatingEdit*> allEdits() const;
    // Each field with the name of the record field it shows.
    QList<QPair<QWidget*, const char*>> recordFieldsShown() const;

    CValidatingEdit* name_;
    CValidatingEdit* transponder_;
    CValidatingEdit* frequency_;
    CValidatingEdit* symbolRate_;
    CValidatingEdit* volume_;
    std::array<CValidatingEdit*, IdFieldCount> ids_{};
    CPanelComboBox* lnb_;
    CPanelComboBox* qam_;
    CPanelComboBox* fec_;
    CPanelComboBox* polarity_;
    CPanelComboBox* scrambling_;
    CPanelComboBox* tvSignal_;
    CPanelComboBox* rotor_;
    QCheckBox* compareByName_;
    QCheckBox* compareByServiceId_;

    // The four validators of the window; the ten ID fields share one.
    std::unique_ptr<CFieldValidator> frequencyValidator_;
    std::unique_ptr<CFieldValidator> symbolRateValidator_;
    std::unique_ptr<CFieldValidator> idValidator_;
    std::unique_ptr<CFieldValidator> volumeValidator_;
};

}  // namespace qvx
