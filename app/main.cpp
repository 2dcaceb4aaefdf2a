// Start-up: the main window, then the About window (hidden), then the event
// loop until the main window closes.

#include <QApplication>

#include "app/About.h"
#include "app/Main.h"
#include "widgets/FontSubstitutes.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Тарвел"));
  QApplication::setApplicationVersion(QStringLiteral(TARVEL_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.tarvel.Tarvel"));
  QApplication::setStyle(QStringLiteral("Fusion"));
  tarvel::InstallFontSubstitutes();

  tarvel::TForm1 form1;
  tarvel::TForm2 form2;
  form1.SetAboutWindow(&form2);
  form1.show();
  return QApplication::exec();
}
