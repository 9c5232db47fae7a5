/* German control texts of the dialog templates in ../dialogs.rc. UTF-8; only characters of
   code page 1252. The widths of the controls are those of the English layout, so the texts
   are kept short where a control is narrow. */
#ifndef KVR_RES_LANG_DEU_DIALOG_TEXTS_H
#define KVR_RES_LANG_DEU_DIALOG_TEXTS_H

/* System information page */
#define T_IDC_SYSINFO_TITLE "Systeminformationen"
#define T_IDC_SYSINFO_INTRO "Die folgenden Systeminformationen wurden gefunden.  Wenn Sie uns diese Informationen senden, wird Ihre Registrierung genauer. "
#define T_IDC_MANUFACTURER_LABEL "Hersteller:"
#define T_IDC_MODEL_LABEL "Maschinentyp/Modell:"
#define T_IDC_SERIAL_LABEL "Seriennummer:"
#define T_IDC_OS_LABEL "Betriebssystem:"
#define T_IDC_SYSINFO_QUESTION "Systeminformationen mitsenden?"
#define T_IDC_SYSINFO_YES "Ja"
#define T_IDC_SYSINFO_NO "Nein"
#define T_IDC_SYSINFO_BACK "< &Zurück"
#define T_IDC_SYSINFO_NEXT "&Weiter >"
#define T_IDC_SYSINFO_EXIT "&Beenden"

/* Contact information page */
#define T_IDC_CONTACT_TITLE "Kontaktinformationen"
#define T_IDC_CONTACT_SUBTITLE "  Bitte ergänzen oder prüfen Sie Ihre Angaben. "
#define T_IDC_PREFIX_LABEL "Anrede"
#define T_IDC_FIRST_NAME_LABEL "Vorname"
#define T_IDC_INITIAL_LABEL "Init."
#define T_IDC_LAST_NAME_LABEL "Nachname"
#define T_IDC_SUFFIX_LABEL "Zusatz"
#define T_IDC_JOB_TITLE_LABEL "Position"
#define T_IDC_COMPANY_LABEL "Firma"
#define T_IDC_STREET_LABEL "Straße und Hausnummer"
#define T_IDC_PO_BOX_LABEL "Postfach/Adresszusatz"
#define T_IDC_CITY_LABEL "Ort"
#define T_IDC_STATE_LABEL "Staat/Prov."
#define T_IDC_ZIP_LABEL "Postleitzahl"
#define T_IDC_COUNTRY_LABEL "Land"
#define T_IDC_FRENCH_MAIL "Ich möchte künftig Post auf Französisch erhalten (nur Einwohner Kanadas). "
#define T_IDC_PHONE_LABEL "Telefon"
#define T_IDC_EXTENSION_LABEL "Durchwahl"
#define T_IDC_EMAIL_LABEL "E-Mail-Adresse"
#define T_IDC_CONSENT "Die obigen Daten dürfen für Marketingzwecke verwendet werden, wie unter „Datenschutz“ beschrieben."
#define T_IDC_PRIVACY "&Datenschutz..."
#define T_IDC_CONTACT_BACK "<&Zurück"
#define T_IDC_CONTACT_NEXT "&Weiter>"
#define T_IDC_CONTACT_EXIT "&Beenden"

/* Additional information page */
#define T_IDC_ADDITIONAL_TITLE "Weitere Informationen"
#define T_IDC_ADDITIONAL_SUBTITLE "  Bitte ergänzen oder prüfen Sie Ihre Angaben. "
#define T_IDC_USAGE_LABEL "Wie werden Sie dieses Produkt nutzen?"
#define T_IDC_USAGE_HOME "Privat"
#define T_IDC_USAGE_BUSINESS "Beruflich"
#define T_IDC_USAGE_HOME_BUSINESS "Beides"
#define T_IDC_VISIT_TITLE "Besuchen Sie uns!"
#define T_IDC_BOOKMARK1 "OVX-Shop"
#define T_IDC_BOOKMARK2 "OVX Global Services"
#define T_IDC_BOOKMARK3 "OVX Software"
#define T_IDC_ADDITIONAL_BACK "< &Zurück"
#define T_IDC_SUBMIT "&Absenden"
#define T_IDC_ADDITIONAL_EXIT "&Beenden"

/* Thank-you dialog */
#define T_IDC_THANKS_TITLE "Vielen Dank"
#define T_IDC_THANKS_TEXT "Vielen Dank für Ihre Registrierung!"
#define T_IDC_THANKS_EXIT "&Beenden"

/* Exit confirmation */
#define T_IDC_EXIT_TEXT "Sie möchten das Programm beenden, ohne sich zu registrieren.  Sind Sie sicher?"
#define T_IDC_PROMPT_LATER "Später an die Registrierung erinnern."
#define T_IDC_EXIT_YES "&Ja"
#define T_IDC_EXIT_NO "&Nein"

/* Connection-failure dialog; 2244 is replaced by the error text */
#define T_IDC_FAIL_MESSAGE "Meldung zum Verbindungsfehler"
#define T_IDC_FAIL_PROMPT "Es konnte keine Verbindung zum Internet hergestellt werden.  Bitte wählen Sie eine der folgenden Möglichkeiten:"
#define T_IDC_CHOICE_LATER "Später an die Registrierung erinnern"
#define T_IDC_CHOICE_SUBMIT "Jetzt senden (die Internetverbindung muss aktiv sein)"
#define T_IDC_CHOICE_PRINT "Drucken und per Post registrieren"
#define T_IDC_FAIL_OK "OK"
#define T_IDC_FAIL_CANCEL "Abbrechen"

/* Printing and connecting windows */
#define T_IDC_PRINTING_TEXT "Druck mit „Abbrechen“ beenden."
#define T_IDC_PRINTING_CANCEL "Abbrechen"
#define T_IDC_CONNECTING_TEXT "Verbindungsaufbau...bitte warten"
#define T_IDC_CONNECTING_CANCEL "Abbrechen"

/* Phone registration view */
#define T_IDC_PRODUCT_NAME_LABEL "Produktname:"
#define T_IDC_PRODUCTS_LABEL "Produkt:"
#define T_IDC_EMAIL_LABEL_PHONE "E-Mail:"
#define T_IDC_EMAIL_MESSAGE_LABEL "E-Mail-Nachricht:"
#define T_IDC_REASON_LABEL "Hauptgrund für den Kauf des Produkts:"
#define T_IDC_SURVEY_LABEL2 "Branche:"
#define T_IDC_SURVEY_LABEL3 "Anzahl der Mitarbeiter:"
#define T_IDC_OS_NAME_LABEL "Betriebssystem:"
#define T_IDC_OS_VERSION_LABEL "Betriebssystemversion:"
#define T_IDC_LOCATION_LABEL "Installationsort:"
#define T_IDC_BENEFITS_LABEL "Vorteile:"
#define T_IDC_CLIENT_NUMBER_LABEL "Kundennummer:"
#define T_IDC_KVR_VERSION_LABEL "KVR-Version:"
#define T_IDC_PHONE_NEXT "&Weiter>"

/* Question before the phone registration data is thrown away */
#define T_IDC_PHONE_EXIT_TEXT "Sie möchten das Programm beenden.  Falls noch nicht geschehen, rufen Sie bitte jetzt einen OVX-Mitarbeiter an, um Ihr Produkt zu registrieren.  Nach dem Beenden werden die angezeigten Informationen gelöscht."
#define T_IDC_PHONE_EXIT_BACK "<&Zurück"
#define T_IDC_PHONE_EXIT_NEXT "&Weiter>"

/* Privacy statement */
#define T_IDC_PRIVACY_OK "&OK"

/* Server settings */
#define T_IDC_SERVER_PROMPT "Bitte wählen Sie die Art Ihrer Internetverbindung und geben Sie die URL des Servers ein (z. B. proxy.example.com oder 192.0.2.80)."
#define T_IDC_SERVER_DIRECT "Direkt  (unten kein Server erforderlich)"
#define T_IDC_SERVER_SOCKS "Socks-Server"
#define T_IDC_SERVER_HTTP "HTTP-Server"
#define T_IDC_SERVER_AUTOPROXY "Autoproxy-Server"
#define T_IDC_SERVER_URL_LABEL "Server-URL:"
#define T_IDC_SERVER_OK "OK"
#define T_IDC_SERVER_CANCEL "Abbrechen"

#endif
