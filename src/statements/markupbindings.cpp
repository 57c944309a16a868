#include "statements/markupbindings.h"

#include "shell/dialogframe.h"
#include "shell/fonts.h"

namespace saltor {

namespace {

const QString kDiaryHost = QStringLiteral("createDiaryRecord");
const QString kTaskHost = QStringLiteral("setSimpleTaskDescription");

} // namespace

const QList<MarkupBinding>& markupBindings()
{
    static const QList<MarkupBinding> rows = {
        {QStringLiteral("sub_addMarker"), MarkupKind::Marker, kDiaryHost, QStringLiteral("recordDescription"),
         kLightBlue, MarkupFieldFont::Verdana},
        {QStringLiteral("task_addMarker"), MarkupKind::Marker, kTaskHost, QStringLiteral("taskDescription"),
         kLightGreen, MarkupFieldFont::DialogDefault},
        {QStringLiteral("sub_addPicture"), MarkupKind::Picture, kDiaryHost, QStringLiteral("recordDescription"),
         kLightBlue, MarkupFieldFont::Verdana},
        {QStringLiteral("task_addPicture"), MarkupKind::Picture, kTaskHost, QStringLiteral("taskDescription"),
         kLightGreen, MarkupFieldFont::Verdana},
    };
    return rows;
}

QString markupDialogFor(const QString& hostForm, MarkupKind kind)
{
    for (const MarkupBinding& row : markupBindings())
        if (row.hostForm == hostForm && row.kind == kind)
            return row.form;
    return QString();
}

QString hostBoxOf(const QString& hostForm)
{
    for (const MarkupBinding& row : markupBindings())
        if (row.hostForm == hostForm)
            return row.hostBox;
    return QString();
}

QColor hostButtonColour(const QString& hostForm)
{
    for (const MarkupBinding& row : markupBindings())
        if (row.hostForm == hostForm)
            return row.buttonColour;
    return QColor();
}

QFont markupFieldFont(const MarkupBinding& binding)
{
    return binding.fieldFont == MarkupFieldFont::Verdana ? verdanaFont(8.25) : defaultDialogFont();
}

} // namespace saltor
