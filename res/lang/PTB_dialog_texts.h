/* Brazilian Portuguese control texts of the dialog templates in ../dialogs.rc. UTF-8; only
   characters of code page 1252. */
#ifndef KVR_RES_LANG_PTB_DIALOG_TEXTS_H
#define KVR_RES_LANG_PTB_DIALOG_TEXTS_H

/* System information page */
#define T_IDC_SYSINFO_TITLE "Informações do sistema"
#define T_IDC_SYSINFO_INTRO "As seguintes informações do sistema foram encontradas. Enviá-las para nós tornará o seu registro mais preciso. "
#define T_IDC_MANUFACTURER_LABEL "Fabricante:"
#define T_IDC_MODEL_LABEL "Tipo/modelo da máquina:"
#define T_IDC_SERIAL_LABEL "Número de série:"
#define T_IDC_OS_LABEL "Sistema operacional:"
#define T_IDC_SYSINFO_QUESTION "Enviar as informações com o registro?"
#define T_IDC_SYSINFO_YES "Sim"
#define T_IDC_SYSINFO_NO "Não"
#define T_IDC_SYSINFO_BACK "< &Voltar"
#define T_IDC_SYSINFO_NEXT "&Avançar >"
#define T_IDC_SYSINFO_EXIT "&Sair"

/* Contact information page */
#define T_IDC_CONTACT_TITLE "Informações de contato"
#define T_IDC_CONTACT_SUBTITLE "  Preencha ou verifique os dados já preenchidos. "
#define T_IDC_PREFIX_LABEL "Tratamento"
#define T_IDC_FIRST_NAME_LABEL "Nome"
#define T_IDC_INITIAL_LABEL "Inicial"
#define T_IDC_LAST_NAME_LABEL "Sobrenome"
#define T_IDC_SUFFIX_LABEL "Sufixo"
#define T_IDC_JOB_TITLE_LABEL "Cargo"
#define T_IDC_COMPANY_LABEL "Empresa"
#define T_IDC_STREET_LABEL "Endereço"
#define T_IDC_PO_BOX_LABEL "Caixa postal/Apto./Sala"
#define T_IDC_CITY_LABEL "Cidade"
#define T_IDC_STATE_LABEL "Estado/Prov."
#define T_IDC_ZIP_LABEL "CEP/Código postal"
#define T_IDC_COUNTRY_LABEL "País"
#define T_IDC_FRENCH_MAIL "Prefiro receber correspondência em francês (somente residentes no Canadá). "
#define T_IDC_PHONE_LABEL "Telefone"
#define T_IDC_EXTENSION_LABEL "Ramal"
#define T_IDC_EMAIL_LABEL "Endereço de e-mail"
#define T_IDC_CONSENT "Os dados acima podem ser usados para fins de marketing, conforme descrito em “Privacidade”."
#define T_IDC_PRIVACY "&Privacidade..."
#define T_IDC_CONTACT_BACK "<&Voltar"
#define T_IDC_CONTACT_NEXT "&Avançar>"
#define T_IDC_CONTACT_EXIT "&Sair"

/* Additional information page */
#define T_IDC_ADDITIONAL_TITLE "Informações adicionais"
#define T_IDC_ADDITIONAL_SUBTITLE "  Preencha ou verifique os dados já preenchidos. "
#define T_IDC_USAGE_LABEL "Onde você pretende usar este produto?"
#define T_IDC_USAGE_HOME "Casa"
#define T_IDC_USAGE_BUSINESS "Empresa"
#define T_IDC_USAGE_HOME_BUSINESS "Casa/Empresa"
#define T_IDC_VISIT_TITLE "Visite-nos!"
#define T_IDC_BOOKMARK1 "Loja OVX"
#define T_IDC_BOOKMARK2 "OVX Global Services"
#define T_IDC_BOOKMARK3 "Software OVX"
#define T_IDC_ADDITIONAL_BACK "< &Voltar"
#define T_IDC_SUBMIT "&Enviar"
#define T_IDC_ADDITIONAL_EXIT "&Sair"

/* Thank-you dialog */
#define T_IDC_THANKS_TITLE "Obrigado"
#define T_IDC_THANKS_TEXT "Obrigado por dedicar um tempo ao registro!"
#define T_IDC_THANKS_EXIT "&Sair"

/* Exit confirmation */
#define T_IDC_EXIT_TEXT "Você optou por sair sem se registrar. Tem certeza de que deseja sair?"
#define T_IDC_PROMPT_LATER "Lembrar-me de fazer o registro depois."
#define T_IDC_EXIT_YES "&Sim"
#define T_IDC_EXIT_NO "&Não"

/* Connection-failure dialog; the first text is replaced by the error message */
#define T_IDC_FAIL_MESSAGE "errorConnect message"
#define T_IDC_FAIL_PROMPT "Não foi possível estabelecer uma conexão com a Internet. Selecione uma das seguintes opções:"
#define T_IDC_CHOICE_LATER "Lembrar-me de fazer o registro depois"
#define T_IDC_CHOICE_SUBMIT "Enviar agora (verifique sua conexão com a Internet)"
#define T_IDC_CHOICE_PRINT "Imprimir e registrar pelo correio"
#define T_IDC_FAIL_OK "OK"
#define T_IDC_FAIL_CANCEL "Cancelar"

/* Printing and connecting windows */
#define T_IDC_PRINTING_TEXT "Clique em Cancelar para parar."
#define T_IDC_PRINTING_CANCEL "Cancelar"
#define T_IDC_CONNECTING_TEXT "Conectando... Aguarde"
#define T_IDC_CONNECTING_CANCEL "Cancelar"

/* Phone registration view */
#define T_IDC_PRODUCT_NAME_LABEL "Nome do produto:"
#define T_IDC_PRODUCTS_LABEL "Produto:"
#define T_IDC_EMAIL_LABEL_PHONE "E-mail:"
#define T_IDC_EMAIL_MESSAGE_LABEL "Mensagem de e-mail:"
#define T_IDC_REASON_LABEL "Principal motivo da compra do produto:"
#define T_IDC_SURVEY_LABEL2 "Ramo de atividade:"
#define T_IDC_SURVEY_LABEL3 "Número de funcionários:"
#define T_IDC_OS_NAME_LABEL "Sistema operacional:"
#define T_IDC_OS_VERSION_LABEL "Versão do sistema operacional:"
#define T_IDC_LOCATION_LABEL "Local de instalação:"
#define T_IDC_BENEFITS_LABEL "Benefícios:"
#define T_IDC_CLIENT_NUMBER_LABEL "Número do cliente:"
#define T_IDC_KVR_VERSION_LABEL "Versão do KVR:"
#define T_IDC_PHONE_NEXT "&Avançar>"

/* Phone registration exit question */
#define T_IDC_PHONE_EXIT_TEXT "Você optou por sair do programa. Se ainda não o fez, reserve um momento para entrar em contato com o representante da OVX e registrar o seu produto. Ao sair, as informações exibidas serão excluídas."
#define T_IDC_PHONE_EXIT_BACK "<&Voltar"
#define T_IDC_PHONE_EXIT_NEXT "&Avançar>"

/* Privacy statement */
#define T_IDC_PRIVACY_OK "&OK"

/* Server settings */
#define T_IDC_SERVER_PROMPT "Selecione o tipo da sua conexão com a Internet e digite a URL do servidor (por exemplo, proxy.example.com ou 192.0.2.80)."
#define T_IDC_SERVER_DIRECT "Direta  (nenhum servidor necessário abaixo)"
#define T_IDC_SERVER_SOCKS "Servidor Socks"
#define T_IDC_SERVER_HTTP "Servidor HTTP"
#define T_IDC_SERVER_AUTOPROXY "Servidor de proxy automático"
#define T_IDC_SERVER_URL_LABEL "URL:"
#define T_IDC_SERVER_OK "OK"
#define T_IDC_SERVER_CANCEL "Cancelar"

#endif
