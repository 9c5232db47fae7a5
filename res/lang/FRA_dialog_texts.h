/* French control texts of the dialog templates in ../dialogs.rc. UTF-8; only characters of
   code page 1252. */
#ifndef KVR_RES_LANG_FRA_DIALOG_TEXTS_H
#define KVR_RES_LANG_FRA_DIALOG_TEXTS_H

/* System information page */
#define T_IDC_SYSINFO_TITLE "Informations système"
#define T_IDC_SYSINFO_INTRO "Les informations système suivantes ont été détectées. En nous les envoyant, vous rendez votre enregistrement plus précis. "
#define T_IDC_MANUFACTURER_LABEL "Fabricant :"
#define T_IDC_MODEL_LABEL "Type et modèle :"
#define T_IDC_SERIAL_LABEL "Numéro de série :"
#define T_IDC_OS_LABEL "Système d'exploitation :"
#define T_IDC_SYSINFO_QUESTION "Envoyer ces informations système ?"
#define T_IDC_SYSINFO_YES "Oui"
#define T_IDC_SYSINFO_NO "Non"
#define T_IDC_SYSINFO_BACK "< &Précédent"
#define T_IDC_SYSINFO_NEXT "&Suivant >"
#define T_IDC_SYSINFO_EXIT "&Quitter"

/* Contact information page */
#define T_IDC_CONTACT_TITLE "Coordonnées"
#define T_IDC_CONTACT_SUBTITLE "  Veuillez compléter ou vérifier les informations. "
#define T_IDC_PREFIX_LABEL "Civilité"
#define T_IDC_FIRST_NAME_LABEL "Prénom"
#define T_IDC_INITIAL_LABEL "Initiale"
#define T_IDC_LAST_NAME_LABEL "Nom"
#define T_IDC_SUFFIX_LABEL "Suffixe"
#define T_IDC_JOB_TITLE_LABEL "Fonction"
#define T_IDC_COMPANY_LABEL "Société"
#define T_IDC_STREET_LABEL "Adresse"
#define T_IDC_PO_BOX_LABEL "Boîte postale/App./Bureau"
#define T_IDC_CITY_LABEL "Ville"
#define T_IDC_STATE_LABEL "État/Prov."
#define T_IDC_ZIP_LABEL "Code postal"
#define T_IDC_COUNTRY_LABEL "Pays"
#define T_IDC_FRENCH_MAIL "Je préfère recevoir le courrier en français (résidents du Canada uniquement). "
#define T_IDC_PHONE_LABEL "Téléphone"
#define T_IDC_EXTENSION_LABEL "Poste"
#define T_IDC_EMAIL_LABEL "Adresse e-mail"
#define T_IDC_CONSENT "Les données ci-dessus peuvent être utilisées à des fins de marketing, comme décrit dans « Confidentialité »."
#define T_IDC_PRIVACY "&Confidentialité..."
#define T_IDC_CONTACT_BACK "<&Précédent"
#define T_IDC_CONTACT_NEXT "&Suivant>"
#define T_IDC_CONTACT_EXIT "&Quitter"

/* Additional information page */
#define T_IDC_ADDITIONAL_TITLE "Informations complémentaires"
#define T_IDC_ADDITIONAL_SUBTITLE "  Veuillez compléter ou vérifier les informations. "
#define T_IDC_USAGE_LABEL "Où prévoyez-vous d'utiliser ce produit ?"
#define T_IDC_USAGE_HOME "Maison"
#define T_IDC_USAGE_BUSINESS "Entreprise"
#define T_IDC_USAGE_HOME_BUSINESS "Maison/Entreprise"
#define T_IDC_VISIT_TITLE "Rendez-nous visite !"
#define T_IDC_BOOKMARK1 "Boutique OVX"
#define T_IDC_BOOKMARK2 "OVX Global Services"
#define T_IDC_BOOKMARK3 "Logiciels OVX"
#define T_IDC_ADDITIONAL_BACK "< &Précédent"
#define T_IDC_SUBMIT "&Envoyer"
#define T_IDC_ADDITIONAL_EXIT "&Quitter"

/* Thank-you dialog */
#define T_IDC_THANKS_TITLE "Merci"
#define T_IDC_THANKS_TEXT "Merci d'avoir pris le temps de vous enregistrer !"
#define T_IDC_THANKS_EXIT "&Quitter"

/* Exit confirmation */
#define T_IDC_EXIT_TEXT "Vous avez choisi de quitter sans vous enregistrer. Voulez-vous vraiment quitter ?"
#define T_IDC_PROMPT_LATER "Me rappeler de m'enregistrer plus tard."
#define T_IDC_EXIT_YES "&Oui"
#define T_IDC_EXIT_NO "&Non"

/* Connection-failure dialog; the first text is replaced by the error message */
#define T_IDC_FAIL_MESSAGE "errorConnect message"
#define T_IDC_FAIL_PROMPT "Impossible d'établir une connexion à Internet. Veuillez choisir l'une des options suivantes :"
#define T_IDC_CHOICE_LATER "Me rappeler de m'enregistrer plus tard"
#define T_IDC_CHOICE_SUBMIT "Envoyer maintenant (vérifiez votre connexion Internet)"
#define T_IDC_CHOICE_PRINT "Imprimer et s'enregistrer par courrier"
#define T_IDC_FAIL_OK "OK"
#define T_IDC_FAIL_CANCEL "Annuler"

/* Printing and connecting windows */
#define T_IDC_PRINTING_TEXT "Cliquez sur Annuler pour arrêter."
#define T_IDC_PRINTING_CANCEL "Annuler"
#define T_IDC_CONNECTING_TEXT "Connexion... veuillez patienter"
#define T_IDC_CONNECTING_CANCEL "Annuler"

/* Phone registration view */
#define T_IDC_PRODUCT_NAME_LABEL "Nom du produit :"
#define T_IDC_PRODUCTS_LABEL "Produit :"
#define T_IDC_EMAIL_LABEL_PHONE "E-mail :"
#define T_IDC_EMAIL_MESSAGE_LABEL "Message e-mail :"
#define T_IDC_REASON_LABEL "Raison principale de l'achat :"
#define T_IDC_SURVEY_LABEL2 "Secteur d'activité :"
#define T_IDC_SURVEY_LABEL3 "Nombre d'employés :"
#define T_IDC_OS_NAME_LABEL "Système d'exploitation :"
#define T_IDC_OS_VERSION_LABEL "Version du système :"
#define T_IDC_LOCATION_LABEL "Lieu d'installation :"
#define T_IDC_BENEFITS_LABEL "Avantages :"
#define T_IDC_CLIENT_NUMBER_LABEL "Numéro de client :"
#define T_IDC_KVR_VERSION_LABEL "Version de KVR :"
#define T_IDC_PHONE_NEXT "&Suivant>"

/* Phone registration exit question */
#define T_IDC_PHONE_EXIT_TEXT "Vous avez choisi de quitter le programme. Si ce n'est pas déjà fait, prenez un moment pour contacter le représentant OVX afin d'enregistrer votre produit. Les informations affichées seront supprimées dès que vous quitterez."
#define T_IDC_PHONE_EXIT_BACK "<&Précédent"
#define T_IDC_PHONE_EXIT_NEXT "&Suivant>"

/* Privacy statement */
#define T_IDC_PRIVACY_OK "&OK"

/* Server settings */
#define T_IDC_SERVER_PROMPT "Veuillez sélectionner le type de votre connexion Internet et entrer l'URL du serveur (par exemple proxy.example.com ou 192.0.2.80)."
#define T_IDC_SERVER_DIRECT "Directe  (aucun serveur requis ci-dessous)"
#define T_IDC_SERVER_SOCKS "Serveur Socks"
#define T_IDC_SERVER_HTTP "Serveur HTTP"
#define T_IDC_SERVER_AUTOPROXY "Serveur proxy automatique"
#define T_IDC_SERVER_URL_LABEL "URL :"
#define T_IDC_SERVER_OK "OK"
#define T_IDC_SERVER_CANCEL "Annuler"

#endif
