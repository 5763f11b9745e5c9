#include "ui/platform/UserPrompts.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace qvx {
namespace {

struct FilterChoice {
    const char* description;
    const char* extensions[4];
};

const FilterChoice kFilterChoices[] = {
    {"Channellists (*.qvx;*.chl;*.dvb;*.xch)", {"dvb", "chl", "qvx", "xch"}},
    {"DVB98 (*.dvb)", {"dvb"}},
    {"Quorvex (*.qvx)", {"qvx"}},
    {"WinDVBLive (*.chl)", {"chl"}},
    {"DVBextreme (*.xch)", {"xch"}},
};

QString messageTitle(QWidget* parent) { return parent ? parent->window()->windowTitle() : QString(); }

void prepare(QFileDialog& dialog) {
    dialog.setNameFilters(channelListNameFilters());
    // Shows the descriptions without the pattern lists behind them.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
}

}  // namespace

QStringList channelListFilterDescriptions() {
    QStringList descriptions;
    for (const auto& choice : kFilterChoices) descriptions << QLatin1String(choice.description);
    return descriptions;
}

QStringList channelListNameFilters() {
    QStringList filters;
    for (const auto& choice : kFilterChoices) {
        QStringList patterns;
        for (const char* extension : choice.extensions) {
            if (!extension) break;
            patterns << QStringLiteral("*.") + QLatin1String(extension);
            patterns << QStringLiteral("*.") + QLatin1String(extension).toString().toUpper();
        }
        filters << QLatin1String(choice.description) + QStringLiteral(" (") +
                       patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}

QString QtUserPrompts::chooseFileToLoad(QWidget* parent, const QString& title) {
    QFileDialog dialog(parent, title);
    prepare(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QString QtUserPrompts::chooseFileToSave(QWidget* parent, const QString& title) {
    QFileDialog dialog(parent, title);
    prepare(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("qvx"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

bool QtUserPrompts::askYesNo(QWidget* parent, const QString& question) {
    return QMessageBox::question(parent, messageTitle(parent), question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

void QtUserPrompts::tell(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Warning, messageTitle(parent), message, QMessageBox::Ok, parent);
    box.exec();
}

void QtUserPrompts::runDialog(QDialog& dialog) { dialog.exec(); }

}  // namespace qvx
