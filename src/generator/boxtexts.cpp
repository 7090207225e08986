#include "generator/boxtexts.h"

#include <QCoreApplication>

// One row per language, one column per text (BoxText order): the close links
// of StickME note and Jumpy AD, Timer AD's notice, Force Emailer's button,
// the names of the StickME note, Jumpy AD, Timer AD and Force Emailer boxes
// and of the Window AD window, and Window AD's minimise, maximise, restore
// and close buttons.
const std::array<BoxLanguage, 8> boxLanguages = {{
    {"en",
     "English",
     {"Hide Box", "[Close Box]", "(This announcement will close in few seconds)", "Subscribe",
      "Note", "Announcement", "Sponsored announcement", "Subscribe", "Announcement window",
      "Minimise", "Maximise", "Restore", "Close"}},
    {"de",
     "Deutsch",
     {"Ausblenden", "[Schließen]", "(Diese Mitteilung wird in wenigen Sekunden geschlossen)",
      "Abonnieren", "Notiz", "Mitteilung", "Gesponserte Mitteilung", "Abonnieren",
      "Mitteilungsfenster", "Minimieren", "Maximieren", "Wiederherstellen", "Schließen"}},
    {"fr",
     "Français",
     {"Masquer", "[Fermer]", "(Cette annonce se fermera dans quelques secondes)", "S'abonner",
      "Note", "Annonce", "Annonce sponsorisée", "Abonnement", "Fenêtre d'annonce", "Réduire",
      "Agrandir", "Restaurer", "Fermer"}},
    {"es",
     "Español",
     {"Ocultar", "[Cerrar]", "(Este anuncio se cerrará en unos segundos)", "Suscribirse", "Nota",
      "Anuncio", "Anuncio patrocinado", "Suscripción", "Ventana de anuncio", "Minimizar",
      "Maximizar", "Restaurar", "Cerrar"}},
    {"it",
     "Italiano",
     {"Nascondi", "[Chiudi]", "(Questo annuncio si chiuderà tra pochi secondi)", "Iscriviti",
      "Nota", "Annuncio", "Annuncio sponsorizzato", "Iscrizione", "Finestra dell'annuncio",
      "Riduci a icona", "Ingrandisci", "Ripristina", "Chiudi"}},
    {"nl",
     "Nederlands",
     {"Verbergen", "[Sluiten]", "(Deze aankondiging sluit over een paar seconden)", "Abonneren",
      "Notitie", "Aankondiging", "Gesponsorde aankondiging", "Abonneren", "Aankondigingsvenster",
      "Minimaliseren", "Maximaliseren", "Herstellen", "Sluiten"}},
    {"pt",
     "Português",
     {"Ocultar", "[Fechar]", "(Este anúncio será fechado em alguns segundos)", "Inscrever-se",
      "Nota", "Anúncio", "Anúncio patrocinado", "Inscrição", "Janela de anúncio", "Minimizar",
      "Maximizar", "Restaurar", "Fechar"}},
    {"pl",
     "Polski",
     {"Ukryj", "[Zamknij]", "(To ogłoszenie zamknie się za kilka sekund)", "Zapisz się", "Notatka",
      "Ogłoszenie", "Ogłoszenie sponsorowane", "Subskrypcja", "Okno ogłoszenia", "Minimalizuj",
      "Maksymalizuj", "Przywróć", "Zamknij"}},
}};

const BoxLanguage *boxLanguage(const QString &code)
{
    for (const BoxLanguage &language : boxLanguages) {
        if (code == QLatin1String(language.code))
            return &language;
    }
    return nullptr;
}

QString defaultBoxText(BoxText which)
{
    return QString::fromUtf8(boxLanguages[0].texts[std::size_t(which)]);
}

QString BoxTexts::text(BoxText which) const
{
    const std::optional<QString> *own = nullptr;
    switch (which) {
    case BoxText::NoteClose:
    case BoxText::JumpyClose:
        own = &close;
        break;
    case BoxText::Notice:
        own = &notice;
        break;
    case BoxText::Button:
        own = &button;
        break;
    default:
        break;
    }
    if (own && *own)
        return **own;
    const BoxLanguage *preset = boxLanguage(language);
    return QString::fromUtf8((preset ? *preset : boxLanguages[0]).texts[std::size_t(which)]);
}
