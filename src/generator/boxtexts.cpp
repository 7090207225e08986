#include "generator/boxtexts.h"

#include <QCoreApplication>

// One row per language, one column per text (BoxText order): the close links
// of StickME note and Jumpy AD, Timer AD's notice, Force Emailer's button,
// the names of the StickME note, Jumpy AD, Timer AD and Force Emailer boxes
// and of the Window AD window, Window AD's minimise, maximise, restore and
// close buttons, Force Emailer's sign-up form (its thank-you, the address
// field's hint and its name), and the countdown's "Keep open" button and time
// left.
const std::array<BoxLanguage, 8> boxLanguages = {{
    {"en",
     "English",
     {"Hide Box", "[Close Box]", "(This announcement will close in few seconds)", "Subscribe",
      "Note", "Announcement", "Sponsored announcement", "Subscribe", "Announcement window",
      "Minimise", "Maximise", "Restore", "Close", "Thank you! Please check your inbox to confirm.",
      "Your e-mail address", "E-mail address", "Keep open", "Closes in %1 seconds."}},
    {"de",
     "Deutsch",
     {"Ausblenden", "[Schließen]", "(Diese Mitteilung wird in wenigen Sekunden geschlossen)",
      "Abonnieren", "Notiz", "Mitteilung", "Gesponserte Mitteilung", "Abonnieren",
      "Mitteilungsfenster", "Minimieren", "Maximieren", "Wiederherstellen", "Schließen",
      "Danke! Bitte bestätigen Sie die Anmeldung in Ihrem Posteingang.", "Ihre E-Mail-Adresse",
      "E-Mail-Adresse", "Offen lassen", "Schließt in %1 Sekunden."}},
    {"fr",
     "Français",
     {"Masquer", "[Fermer]", "(Cette annonce se fermera dans quelques secondes)", "S'abonner",
      "Note", "Annonce", "Annonce sponsorisée", "Abonnement", "Fenêtre d'annonce", "Réduire",
      "Agrandir", "Restaurer", "Fermer",
      "Merci ! Veuillez consulter votre boîte de réception pour confirmer.", "Votre adresse e-mail",
      "Adresse e-mail", "Garder ouvert", "Se ferme dans %1 secondes."}},
    {"es",
     "Español",
     {"Ocultar", "[Cerrar]", "(Este anuncio se cerrará en unos segundos)", "Suscribirse", "Nota",
      "Anuncio", "Anuncio patrocinado", "Suscripción", "Ventana de anuncio", "Minimizar",
      "Maximizar", "Restaurar", "Cerrar", "¡Gracias! Revise su bandeja de entrada para confirmar.",
      "Su correo electrónico", "Correo electrónico", "Mantener abierto",
      "Se cierra en %1 segundos."}},
    {"it",
     "Italiano",
     {"Nascondi", "[Chiudi]", "(Questo annuncio si chiuderà tra pochi secondi)", "Iscriviti",
      "Nota", "Annuncio", "Annuncio sponsorizzato", "Iscrizione", "Finestra dell'annuncio",
      "Riduci a icona", "Ingrandisci", "Ripristina", "Chiudi",
      "Grazie! Controlla la tua casella di posta per confermare.", "Il tuo indirizzo e-mail",
      "Indirizzo e-mail", "Tieni aperto", "Si chiude tra %1 secondi."}},
    {"nl",
     "Nederlands",
     {"Verbergen", "[Sluiten]", "(Deze aankondiging sluit over een paar seconden)", "Abonneren",
      "Notitie", "Aankondiging", "Gesponsorde aankondiging", "Abonneren", "Aankondigingsvenster",
      "Minimaliseren", "Maximaliseren", "Herstellen", "Sluiten",
      "Bedankt! Kijk in je inbox om te bevestigen.", "Je e-mailadres", "E-mailadres", "Open houden",
      "Sluit over %1 seconden."}},
    {"pt",
     "Português",
     {"Ocultar", "[Fechar]", "(Este anúncio será fechado em alguns segundos)", "Inscrever-se",
      "Nota", "Anúncio", "Anúncio patrocinado", "Inscrição", "Janela de anúncio", "Minimizar",
      "Maximizar", "Restaurar", "Fechar",
      "Obrigado! Verifique a sua caixa de entrada para confirmar.", "O seu endereço de e-mail",
      "Endereço de e-mail", "Manter aberto", "Fecha em %1 segundos."}},
    {"pl",
     "Polski",
     {"Ukryj", "[Zamknij]", "(To ogłoszenie zamknie się za kilka sekund)", "Zapisz się", "Notatka",
      "Ogłoszenie", "Ogłoszenie sponsorowane", "Subskrypcja", "Okno ogłoszenia", "Minimalizuj",
      "Maksymalizuj", "Przywróć", "Zamknij",
      "Dziękujemy! Sprawdź skrzynkę odbiorczą, aby potwierdzić.", "Twój adres e-mail",
      "Adres e-mail", "Nie zamykaj", "Zamknie się za %1 sekund."}},
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
    case BoxText::Thanks:
        own = &thanks;
        break;
    default:
        break;
    }
    if (own && *own)
        return **own;
    const BoxLanguage *preset = boxLanguage(language);
    return QString::fromUtf8((preset ? *preset : boxLanguages[0]).texts[std::size_t(which)]);
}
