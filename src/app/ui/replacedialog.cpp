#include "replacedialog.h"
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

Treplace::Treplace(QWidget *parent)
    : QDialog(parent)
{
    FormCreate();
}

void Treplace::FormCreate()
{
    setObjectName(QStringLiteral("replace"));
    setWindowTitle(QStringLiteral("Search and replace"));
    // Modal to the main window only, so the help window its Help button opens
    // can still be scrolled and closed while the dialog is up.
    setWindowModality(Qt::WindowModal);

    auto *findLabel = new QLabel(QStringLiteral("Text to find"), this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinimumWidth(280);
    findLabel->setBuddy(Edit1);
    auto *replaceLabel = new QLabel(QStringLiteral("Replace with"), this);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    replaceLabel->setBuddy(Edit2);

    auto *options = new QGroupBox(QStringLiteral("Options"), this);
    CheckBox1 = new QCheckBox(QStringLiteral("Whole words only"), options);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    // The caption is the program's own spelling.
    CheckBox2 = new QCheckBox(QStringLiteral("Case sentive"), options);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox3 = new QCheckBox(QStringLiteral("Search in all open files"), options);
    CheckBox3->setObjectName(QStringLiteral("CheckBox3"));
    CheckBox4 = new QCheckBox(QStringLiteral("Search in the whole project"), options);
    CheckBox4->setObjectName(QStringLiteral("CheckBox4"));
    auto *optionsLayout = new QVBoxLayout(options);
    optionsLayout->addWidget(CheckBox1);
    optionsLayout->addWidget(CheckBox2);
    optionsLayout->addWidget(CheckBox3);
    optionsLayout->addWidget(CheckBox4);
    optionsLayout->addStretch();

    auto *origin = makeOriginGroup(this, &RadioButton1, &RadioButton2);

    connect(CheckBox3, &QCheckBox::clicked, this, [this] { scopeBoxClick(CheckBox3); });
    connect(CheckBox4, &QCheckBox::clicked, this, [this] { scopeBoxClick(CheckBox4); });

    replaceButton = new QPushButton(QStringLiteral("Replace"), this);
    replaceButton->setObjectName(QStringLiteral("replaceButton"));
    replaceButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    helpButton = new QPushButton(QStringLiteral("Help"), this);
    helpButton->setObjectName(QStringLiteral("helpButton"));
    helpButton->setAutoDefault(false);
    connect(replaceButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, [] { help().showTopic(HelpContext); });

    auto *grid = new QGridLayout;
    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(Edit1, 0, 1, 1, 2);
    grid->addWidget(replaceLabel, 1, 0);
    grid->addWidget(Edit2, 1, 1, 1, 2);
    grid->addWidget(options, 2, 0, 1, 2);
    grid->addWidget(origin, 2, 2);
    grid->setColumnStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(replaceButton);
    buttons->addWidget(cancelButton);
    buttons->addWidget(helpButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Treplace::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void Treplace::FormActivate()
{
    if (!projectOpen)
        CheckBox4->setChecked(false);
    CheckBox4->setEnabled(projectOpen);
    if (!severalPagesOpen)
        CheckBox3->setChecked(false);
    CheckBox3->setEnabled(severalPagesOpen);
    Edit1->setText(selectedText);
    Edit1->selectAll();
    Edit1->setFocus();
}

void Treplace::scopeBoxClick(QCheckBox *clicked)
{
    if (clicked && clicked->isChecked()) {
        RadioButton2->setChecked(true);
        RadioButton1->setEnabled(false);
    } else if (!CheckBox3->isChecked() && !CheckBox4->isChecked()) {
        RadioButton1->setEnabled(true);
    }
}

ReplaceRequest Treplace::request() const
{
    ReplaceRequest r;
    r.findText = Edit1->text();
    r.replaceText = Edit2->text();
    r.wholeWord = CheckBox1->isChecked();
    r.matchCase = CheckBox2->isChecked();
    r.fromCursor = RadioButton1->isChecked();
    r.entireScope = RadioButton2->isChecked();
    r.allOpenFiles = CheckBox3->isChecked();
    r.wholeProject = CheckBox4->isChecked();
    return r;
}

} // namespace lumaro
