#include "ui/dialogs/aboutdialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/appinfo.h"
#include "ui/splash.h"

namespace klettra::ui {

namespace {

QString aboutText()
{
    return QStringLiteral("<h2>Klettra %1</h2>"
                          "<p>Программа автоматического составления кроссвордов на русском языке.</p>"
                          "<p>Klettra — свободная программа: её можно распространять и изменять на условиях "
                          "GNU General Public License версии 3 или (по вашему выбору) любой более поздней "
                          "версии. Программа поставляется без каких-либо гарантий.</p>"
                          "<p><b>Словарь «Синонимы».</b> Вопросы этого словаря взяты из «Словаря русских "
                          "синонимов и сходных по смыслу выражений» Н. Абрамова (общественное достояние) "
                          "и из русского тезауруса mythes-ru (М. Королёв, Я. Резцов; лицензия LGPL-2.1). "
                          "Словарь распространяется как отдельный изменяемый файл данных на условиях "
                          "LGPL-2.1; подробности — в файле SOURCE.md рядом со словарями.</p>")
        .arg(AppInfo::version());
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("О программе"));
    setModal(true);

    auto *picture = new QLabel(this);
    picture->setPixmap(splashPixmap().scaledToWidth(210, Qt::SmoothTransformation));
    picture->setAlignment(Qt::AlignTop);

    auto *text = new QLabel(aboutText(), this);
    text->setObjectName(QStringLiteral("AboutText"));
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);
    text->setFixedWidth(360);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *row = new QHBoxLayout;
    row->addWidget(picture);
    row->addWidget(text, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace klettra::ui
