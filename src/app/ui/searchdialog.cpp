#include "searchdialog.h"
#include "helpservice.h"
#include "origingroup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lumaro {

Tsoegdialog::Tsoegdialog(QWidget *parent)
    : QDialog(parent)
{
    FormCreate();
}

void Tsoegdialog::FormCreate()
{
    setObjectName(QStringLiteral("soegdialog"));
    setWindowTitle(QStringLiteral("Search"));
    // Modal to the main window only, so the help window its Help button opens
    // can still be scrolled and closed while the dialog is up.
    setWindowModality(Qt::WindowModal);

    auto *label = new QLabel(QStringLiteral("Text to find"), this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinimumWidth(260);
    label->setBuddy(Edit1);

    auto *options = new QGroupBox(QStringLiteral("Options"), this);
    CheckBox1 = new QCheckBox(QStringLiteral("Whole words only"), options);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox2 = new QCheckBox(QStringLiteral("Case sensitive"), options);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    auto *optionsLayout = new QVBoxLayout(options);
    optionsLayout->addWidget(CheckBox1);
    optionsLayout->addWidget(CheckBox2);
    optionsLayout->addStretch();

    auto *origin = makeOriginGroup(this, &RadioButton1, &RadioButton2);

    searchButton = new QPushButton(QStringLiteral("Search"), this);
    searchButton->setObjectName(QStringLiteral("searchButton"));
    searchButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    helpButton = new QPushButton(QStringLiteral("Help"), this);
    helpButton->setObjectName(QStringLiteral("helpButton"));
    helpButton->setAutoDefault(false);
    connect(searchButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, [] { help().showTopic(HelpContext); });

    auto *grid = new QGridLayout;
    grid->addWidget(label, 0, 0);
    grid->addWidget(Edit1, 0, 1, 1, 2);
    grid->addWidget(options, 1, 0, 1, 2);
    grid->addWidget(origin, 1, 2);
    grid->setColumnStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(searchButton);
    buttons->addWidget(cancelButton);
    buttons->addWidget(helpButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Tsoegdialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Edit1->setFocus();
}

} // namespace lumaro
