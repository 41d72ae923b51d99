#include "DialogButtons.h"

#include "cards/edit/ControlId.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

QHBoxLayout* okCancelRow(QDialog& dialog, const QString& okText)
{
    auto* ok = named(new QPushButton(okText, &dialog), 1);
    ok->setDefault(true);
    auto* cancel = named(new QPushButton(QStringLiteral("Cancel"), &dialog), 2);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}
