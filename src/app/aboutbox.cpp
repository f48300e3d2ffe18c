#include "app/aboutbox.h"

#include "app/appstrings.h"
#include "app/artwork.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* picture = new QLabel;
    picture->setPixmap(artwork::aboutPicture());
    picture->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(strings::applicationTitle);
    QFont big = name->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    name->setFont(big);
    auto* details = new QLabel(QStringLiteral("Version %1\n\nAn HTML source editor with a built-in preview.\n\n"
                                              "Copyright \u00a9 Marrowdale Software")
                                   .arg(QCoreApplication::applicationVersion()));
    details->setTextFormat(Qt::PlainText);

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(details);
    text->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
