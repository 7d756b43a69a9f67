// An exception that escapes a handler is caught by the message loop and told to the operator.

#include "Banc.h"

#include "platform/Application.h"
#include "platform/Environnement.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <stdexcept>

#ifdef __SANITIZE_ADDRESS__
#include <sanitizer/lsan_interface.h>
#endif

using namespace vidora_test;

namespace {
// Qt's widget and GUI libraries are built without exception support: an exception that crosses
// them on its way to the message loop, as the handler below throws on purpose, skips their
// clean-up (the copies of the mouse event being delivered, guarded pointers). While it lives, the
// leak checker leaves alone what is allocated meanwhile; everything else stays checked.
struct FuitesDeQtAdmises {
#ifdef __SANITIZE_ADDRESS__
    FuitesDeQtAdmises() {
        __lsan_disable();
    }
    ~FuitesDeQtAdmises() {
        __lsan_enable();
    }
#else
    FuitesDeQtAdmises() = default;
#endif
    FuitesDeQtAdmises(const FuitesDeQtAdmises&) = delete;
    FuitesDeQtAdmises& operator=(const FuitesDeQtAdmises&) = delete;
};
} // namespace

class TestApplication : public QObject {
    Q_OBJECT
  private slots:
    void exceptionDUnGestionnaire() {
        Banc b;
        QPushButton bouton;
        int appels = 0;
        connect(&bouton, &QPushButton::clicked, [&] {
            ++appels;
            throw std::runtime_error("disque plein");
        });
        // From the button's window on, which the escaping exception leaves referenced.
        [[maybe_unused]] FuitesDeQtAdmises admises;
        bouton.show();
        QTest::mouseClick(&bouton, Qt::LeftButton);
        QCOMPARE(appels, 1);
        QVERIFY(b.messages().contains(QStringLiteral("disque plein")));
        // The program goes on: the next click is handled as the first was.
        QTest::mouseClick(&bouton, Qt::LeftButton);
        QCOMPARE(appels, 2);
    }

    void boitesDeMessage_data() {
        QTest::addColumn<QString>("titre");
        QTest::addColumn<bool>("question");
        QTest::addColumn<bool>("nonParDefaut");
        QTest::addColumn<QString>("texte");
        const QString court = QStringLiteral("Ecraser Oui/Non");
        QTest::newRow("écraser une base") << "CETTE BASE EXISTE DEJA" << true << true << court;
        QTest::newRow("question ordinaire") << "" << true << false << court;
        QTest::newRow("message au long titre")
            << "LES PARAMETRES DU CLUB SONT ABSENTS DE LA BASE" << false << false << court;
        // A message quoting what was typed, however long, stays within the screen.
        QTest::newRow("5000 caractères d'un bloc")
            << "" << false << false << "LE TITRE " + QString(5000, QChar(0x00C9)) + " EXISTE DEJA";
        QTest::newRow("5000 caractères en mots")
            << "" << true << false << "Supprimer " + QString("MOT ").repeated(1250) + "?";
    }

    void boitesDeMessage() {
        QFETCH(QString, titre);
        QFETCH(bool, question);
        QFETCH(bool, nonParDefaut);
        QFETCH(QString, texte);
        auto boite = vidora::Environnement::boite(texte, titre, question,
                                                  nonParDefaut ? vidora::Environnement::ParDefaut::Non
                                                               : vidora::Environnement::ParDefaut::Oui,
                                                  nullptr);
        boite->show();
        QVERIFY(QTest::qWaitForWindowExposed(boite.get()));
        // The whole title fits, with room for the title bar's icon and buttons.
        QFont gras = QApplication::font();
        gras.setBold(true);
        QVERIFY(boite->width() >= QFontMetrics(gras).horizontalAdvance(boite->windowTitle()) + 120);
        const QSize ecran = boite->screen()->availableGeometry().size();
        QVERIFY(boite->width() <= ecran.width() && boite->height() <= ecran.height());
        if (texte.size() < 100) QCOMPARE(boite->text(), texte);
        if (question)
            QCOMPARE(boite->defaultButton(),
                     boite->button(nonParDefaut ? QMessageBox::No : QMessageBox::Yes));
        boite->hide();
    }

    void policeDesFenetres() {
        // The windows' design font keeps Arial's widths, for which their texts were placed.
        const QString texte = QStringLiteral("Nom de La Bibliotheque");
        const QFont ancienne(QStringLiteral("MS Sans Serif"), 10, QFont::Bold);
        const QFont arial(QStringLiteral("Arial"), 10, QFont::Bold);
        QCOMPARE(QFontMetrics(ancienne).horizontalAdvance(texte),
                 QFontMetrics(arial).horizontalAdvance(texte));
    }
};

int main(int argc, char** argv) {
    vidora::Application app(argc, argv);
    TestApplication t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_application.moc"
