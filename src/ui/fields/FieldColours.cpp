// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fields/FieldColours.h"

#include <QPalette>
#include <QWidget>

namespace qvx {

void applyFieldColours(QWidget* field) {
    const QColor yellow(255, 255, 0);
    const QColor red(255, 0, 0);
    QPalette colours = field->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        for (const auto role : {QPalette::Base, QPalette::Button}) colours.setColor(group, role, yellow);
        for (const auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
            colours.setColor(group, role, Qt::black);
    }
    for (const auto role : {QPalette::Base, QPalette::Button})
        colours.setColor(QPalette::Disabled, role, Qt::black);
    for (const auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        colours.setColor(QPalette::Disabled, role, red);
    field->setPalette(colours);
}

}  // namespace qvx
