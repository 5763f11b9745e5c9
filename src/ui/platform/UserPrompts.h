// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "formats/ListFormat.h"

class QDialog;
class QWidget;

namespace qvx {

// Which button of a Yes/No question Enter presses.
enum class DefaultAnswer { Yes, No };

// Every question the window asks the user goes through here, so tests can
// answer in advance instead of driving real dialogs.
class UserPrompts {
public:
    UserPrompts() = default;
    virtual ~UserPrompts() = default;
    UserPrompts(const UserPrompts&) = delete;
    UserPrompts& operator=(const UserPrompts&) = delete;

    // The chosen file's full path; empty on Cancel. Only existing files can be chosen.
    virtual QString chooseFileToLoad(QWidget* parent, const QString& title) = 0;
    // The chosen path (empty on Cancel) and the format of the chosen file type
    // where it names one. A name typed without extension gets the native one,
    // or that of the chosen type; the user was asked before an existing file
    // is overwritten.
    struct SaveChoice {
        QString path;
        std::optional<ListFormat> format;
    };
    virtual SaveChoice chooseFileToSave(QWidget* parent, const QString& title) = 0;
    // Yes/No with the question icon; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& question, DefaultAnswer defaultAnswer) = 0;
    // A message with an OK button.
    virtual void tell(QWidget* parent, const QString& message) = 0;
    // A line of text, starting from `text`; none on Cancel.
    virtual std::optional<QString> askText(QWidget* parent, const QString& label, const QString& text) = 0;
    // Runs a small modal dialog such as the About box.
    virtual void runDialog(QDialog& dialog) = 0;
};

// The real dialogs.
class QtUserPrompts final : public UserPrompts {
public:
    QString chooseFileToLoad(QWidget* parent, const QString& title) override;
    SaveChoice chooseFileToSave(QWidget* parent, const QString& title) override;
    bool askYesNo(QWidget* parent, const QString& question, DefaultAnswer defaultAnswer) override;
    void tell(QWidget* parent, const QString& message) override;
    std::optional<QString> askText(QWidget* parent, const QString& label, const QString& text) override;
    void runDialog(QDialog& dialog) override;
};

// The file-type choices of the Load and Save as dialogs (Load leaves out the
// formats that are only written). The dialogs show the part before the last
// parentheses; the patterns list every extension of a format in both cases,
// so files with upper-case extensions are listed too.
enum class FileDialogUse { Save, Load };
QStringList channelListNameFilters(FileDialogUse use = FileDialogUse::Save);
// What the dialogs show for each choice.
QStringList channelListFilterDescriptions();
// The extension Save as gives a name typed without one under a choice of
// channelListNameFilters(): the native one under the choices of the four
// record formats, else that of the chosen file type (".conf", ".csv").
QString defaultSuffixForFilter(const QString& filter);
// The format a choice names: none for the choice of every list.
std::optional<ListFormat> formatOfFilter(const QString& filter);

}  // namespace qvx
