// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menu/StepWords.h"

#include "ui/menu/TreeContextMenu.h"
#include "ui/platform/Windows1252Text.h"

namespace qvx {
namespace {

struct BulkTexts {
    const char* forChannel;
    const char* forProvider;
    const char* forAll;
};

BulkTexts bulkTexts(BulkField field) {
    switch (field) {
    case BulkField::Lnb:
        return {"Set LNB", "Set LNB for provider", "Set LNB for all"};
    case BulkField::RotorPosition:
        return {"Set Rotor position", "Set Rotor Pos for provider", "Set Rotor Pos for all"};
    case BulkField::Volume:
        break;
    }
    return {"Set Volume", "Set Volume for provider", "Set Volume for all"};
}

QString bulkText(BulkField field, StepScope scope) {
    const BulkTexts texts = bulkTexts(field);
    switch (scope) {
    case StepScope::Provider:
        return QString::fromLatin1(texts.forProvider);
    case StepScope::All:
        return QString::fromLatin1(texts.forAll);
    case StepScope::Item:
        break;
    }
    return QString::fromLatin1(texts.forChannel);
}

QString kindText(const StepName& step) {
    switch (step.kind) {
    case StepKind::Edit: return QStringLiteral("Edit");
    case StepKind::Rename: return QStringLiteral("Rename");
    case StepKind::Delete: return QStringLiteral("Delete");
    case StepKind::Cut: return QStringLiteral("Cut");
    case StepKind::Paste: return QStringLiteral("Paste");
    case StepKind::NewChannel: return QStringLiteral("New channel");
    case StepKind::NewProvider: return QStringLiteral("New provider");
    case StepKind::Move: return QStringLiteral("Move");
    case StepKind::CopyInto: return QStringLiteral("Copy");
    case StepKind::SetLnb: return bulkText(BulkField::Lnb, step.scope);
    case StepKind::SetRotorPosition: return bulkText(BulkField::RotorPosition, step.scope);
    case StepKind::SetVolume: return bulkText(BulkField::Volume, step.scope);
    case StepKind::CompareLists: return QStringLiteral("Compare Lists");
    case StepKind::RemoveDuplicates: return QStringLiteral("Remove duplicates");
    case StepKind::SortChannels: return QStringLiteral("Sort channels");
    case StepKind::ClearAll: break;
    }
    return QStringLiteral("Clear all");
}

}  // namespace

QString bulkEntryText(BulkField field, MenuTarget target) {
    switch (target) {
    case MenuTarget::Provider:
        return bulkText(field, StepScope::Provider);
    case MenuTarget::ElsewhereWithItems:
        return bulkText(field, StepScope::All);
    case MenuTarget::Channel:
    case MenuTarget::EmptyTree:
        break;
    }
    return bulkText(field, StepScope::Item);
}

QString stepText(const StepName& step) {
    QString text = kindText(step);
    if (!step.subject.empty()) text += QLatin1Char(' ') + fromWindows1252(step.subject);
    return text;
}

}  // namespace qvx
