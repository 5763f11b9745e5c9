// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/UserPrompts.h"

#include <QDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include <algorithm>
#include <vector>

#include "formats/ListFormat.h"

namespace qvx {
namespace {

// One choice of the file dialogs: what it shows and the formats it lists.
struct FilterChoice {
    QString description;
    std::vector<ListFormat> formats;
};

// The choice of every list first, then each format the window offers in its place.
std::vector<FilterChoice> filterChoices(FileDialogUse use = FileDialogUse::Save) {
    const AllListsDialogChoice& all = allListsDialogChoice();
    std::vector<FilterChoice> choices{{QCoreApplication::translate("Files", all.description.data()),
                                       std::vector<ListFormat>(all.patternOrder.begin(), all.patternOrder.end())}};
    std::vector<const ListFormatEntry*> offered;
    for (const ListFormatEntry& entry : listFormats())
        if (entry.offeredByWindow() && (use == FileDialogUse::Save || entry.read) &&
            std::ranges::find(offered, entry.format, &ListFormatEntry::format) == offered.end())
            offered.push_back(&entry);
    std::ranges::sort(offered, {}, &ListFormatEntry::dialogPosition);
    for (const ListFormatEntry* entry : offered)
        choices.push_back({QCoreApplication::translate("Files", entry->dialogDescription.data()), {entry->format}});
    return choices;
}

QString messageTitle(QWidget* parent) { return parent ? parent->window()->windowTitle() : QString(); }

void prepare(QFileDialog& dialog, FileDialogUse use) {
    dialog.setNameFilters(channelListNameFilters(use));
    // Shows the descriptions without the pattern lists behind them.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
}

}  // namespace

QStringList channelListFilterDescriptions() {
    QStringList descriptions;
    for (const FilterChoice& choice : filterChoices()) descriptions << choice.description;
    return descriptions;
}

QStringList channelListNameFilters(FileDialogUse use) {
    QStringList filters;
    for (const FilterChoice& choice : filterChoices(use)) {
        QStringList patterns;
        for (const ListFormat format : choice.formats)
            for (const ListFormatEntry& entry : listFormats()) {
                if (entry.format != format) continue;
                const QString extension = QString::fromUtf8(entry.extension);
                patterns << QStringLiteral("*.") + extension << QStringLiteral("*.") + extension.toUpper();
            }
        filters << choice.description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}

std::optional<ListFormat> formatOfFilter(const QString& filter) {
    const std::vector<FilterChoice> choices = filterChoices();
    const auto at = static_cast<std::size_t>(channelListNameFilters().indexOf(filter));
    if (at >= choices.size() || choices[at].formats.size() != 1) return std::nullopt;
    return choices[at].formats.front();
}

QString defaultSuffixForFilter(const QString& filter) {
    const std::optional<ListFormat> format = formatOfFilter(filter);
    const ListFormatEntry& entry = listFormatEntry(format.value_or(ListFormat::Native));
    // The four formats of the first choice keep the native default; the others are theirs.
    const std::span<const ListFormat> firstChoice = allListsDialogChoice().patternOrder;
    const bool ofFirstChoice = std::ranges::find(firstChoice, entry.format) != firstChoice.end();
    return QString::fromUtf8(ofFirstChoice ? listFormatEntry(ListFormat::Native).extension : entry.extension);
}

QString QtUserPrompts::chooseFileToLoad(QWidget* parent, const QString& title) {
    QFileDialog dialog(parent, title);
    prepare(dialog, FileDialogUse::Load);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

UserPrompts::SaveChoice QtUserPrompts::chooseFileToSave(QWidget* parent, const QString& title) {
    QFileDialog dialog(parent, title);
    prepare(dialog, FileDialogUse::Save);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffixForFilter(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&](const QString& filter) { dialog.setDefaultSuffix(defaultSuffixForFilter(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return {dialog.selectedFiles().constFirst(), formatOfFilter(dialog.selectedNameFilter())};
}

bool QtUserPrompts::askYesNo(QWidget* parent, const QString& question, DefaultAnswer defaultAnswer) {
    const QMessageBox::StandardButton defaultButton =
        defaultAnswer == DefaultAnswer::Yes ? QMessageBox::Yes : QMessageBox::No;
    return QMessageBox::question(parent, messageTitle(parent), question, QMessageBox::Yes | QMessageBox::No,
                                 defaultButton) == QMessageBox::Yes;
}

void QtUserPrompts::tell(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Warning, messageTitle(parent), message, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<QString> QtUserPrompts::askText(QWidget* parent, const QString& label, const QString& text) {
    bool accepted = false;
    const QString answer = QInputDialog::getText(parent, messageTitle(parent), label, QLineEdit::Normal, text, &accepted);
    if (!accepted) return std::nullopt;
    return answer;
}

void QtUserPrompts::runDialog(QDialog& dialog) { dialog.exec(); }

}  // namespace qvx
