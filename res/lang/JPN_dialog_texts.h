/* Japanese control texts of the dialog templates in ../dialogs.rc. UTF-8; only characters of
   code page 932. A Japanese character is about two columns wide while the controls keep the
   English widths, so narrow labels use short words. Mnemonics follow the Japanese habit of a
   Latin letter in parentheses after the word: "戻る(&B)". */
#ifndef KVR_RES_LANG_JPN_DIALOG_TEXTS_H
#define KVR_RES_LANG_JPN_DIALOG_TEXTS_H

/* System information page */
#define T_IDC_SYSINFO_TITLE       "システム情報"
#define T_IDC_SYSINFO_INTRO       "次のシステム情報が見つかりました。この情報をお送りいただくと、登録内容がより正確になります。 "
#define T_IDC_MANUFACTURER_LABEL  "製造元:"
#define T_IDC_MODEL_LABEL         "マシンの種類とモデル:"
#define T_IDC_SERIAL_LABEL        "シリアル番号:"
#define T_IDC_OS_LABEL            "OS:"
#define T_IDC_SYSINFO_QUESTION    "登録と一緒にシステム情報を送信しますか?"
#define T_IDC_SYSINFO_YES         "はい"
#define T_IDC_SYSINFO_NO          "いいえ"
#define T_IDC_SYSINFO_BACK        "< 戻る(&B)"
#define T_IDC_SYSINFO_NEXT        "次へ(&N) >"
#define T_IDC_SYSINFO_EXIT        "終了(&X)"

/* Contact page */
#define T_IDC_CONTACT_TITLE       "連絡先情報"
#define T_IDC_CONTACT_SUBTITLE    "  未入力の項目を入力し、内容をご確認ください。 "
#define T_IDC_PREFIX_LABEL        "敬称"
#define T_IDC_FIRST_NAME_LABEL    "名"
#define T_IDC_INITIAL_LABEL       "ミドル"
#define T_IDC_LAST_NAME_LABEL     "姓"
#define T_IDC_SUFFIX_LABEL        "称号"
#define T_IDC_JOB_TITLE_LABEL     "役職"
#define T_IDC_COMPANY_LABEL       "会社名"
#define T_IDC_STREET_LABEL        "住所"
#define T_IDC_PO_BOX_LABEL        "私書箱/建物名・部屋番号"
#define T_IDC_CITY_LABEL          "市区町村"
#define T_IDC_STATE_LABEL         "都道府県/州"
#define T_IDC_ZIP_LABEL           "郵便番号"
#define T_IDC_COUNTRY_LABEL       "国/地域"
#define T_IDC_FRENCH_MAIL         "今後のご案内はフランス語で受け取ることを希望します (カナダ在住の方のみ)。 "
#define T_IDC_PHONE_LABEL         "電話番号"
#define T_IDC_EXTENSION_LABEL     "内線"
#define T_IDC_EMAIL_LABEL         "電子メール アドレス"
#define T_IDC_CONSENT             "上記の情報はマーケティング目的に使用されることがあります (詳しくは「個人情報」をご覧ください)。"
#define T_IDC_PRIVACY             "個人情報(&P)..."
#define T_IDC_CONTACT_BACK        "< 戻る(&B)"
#define T_IDC_CONTACT_NEXT        "次へ(&N) >"
#define T_IDC_CONTACT_EXIT        "終了(&X)"

/* Additional information page */
#define T_IDC_ADDITIONAL_TITLE    "追加情報"
#define T_IDC_ADDITIONAL_SUBTITLE "  未入力の項目を入力し、内容をご確認ください。 "
#define T_IDC_USAGE_LABEL         "この製品をどこで使用する予定ですか?"
#define T_IDC_USAGE_HOME          "家庭用"
#define T_IDC_USAGE_BUSINESS      "業務用"
#define T_IDC_USAGE_HOME_BUSINESS "家庭用/業務用"
#define T_IDC_VISIT_TITLE         "Web サイトもご覧ください!"
#define T_IDC_BOOKMARK1           "OVX ショップ"
#define T_IDC_BOOKMARK2           "OVX グローバル サービス"
#define T_IDC_BOOKMARK3           "OVX ソフトウェア"
#define T_IDC_ADDITIONAL_BACK     "< 戻る(&B)"
#define T_IDC_SUBMIT              "送信(&S)"
#define T_IDC_ADDITIONAL_EXIT     "終了(&X)"

/* Thank-you dialog */
#define T_IDC_THANKS_TITLE        "ありがとうございました"
#define T_IDC_THANKS_TEXT         "ご登録いただき、誠にありがとうございました。"
#define T_IDC_THANKS_EXIT         "終了(&X)"

/* Exit confirmation */
#define T_IDC_EXIT_TEXT           "登録せずに終了しようとしています。終了してもよろしいですか?"
#define T_IDC_PROMPT_LATER        "今後、登録のご案内を表示する"
#define T_IDC_EXIT_YES            "はい(&Y)"
#define T_IDC_EXIT_NO             "いいえ(&N)"

/* Connection-failure dialog; the message control receives the error text at run time */
#define T_IDC_FAIL_MESSAGE        "errorConnect message"
#define T_IDC_FAIL_PROMPT         "インターネットに接続できませんでした。次のいずれかを選択してください:"
#define T_IDC_CHOICE_LATER        "今後、登録のご案内を表示する"
#define T_IDC_CHOICE_SUBMIT       "今すぐ送信する (インターネット接続を確認してください)"
#define T_IDC_CHOICE_PRINT        "印刷して郵送で登録する"
#define T_IDC_FAIL_OK             "OK"
#define T_IDC_FAIL_CANCEL         "キャンセル"

/* Printing window */
#define T_IDC_PRINTING_TEXT       "キャンセルで印刷を中止します。"
#define T_IDC_PRINTING_CANCEL     "キャンセル"

/* Connecting window */
#define T_IDC_CONNECTING_TEXT     "接続しています...お待ちください"
#define T_IDC_CONNECTING_CANCEL   "キャンセル"

/* Phone registration view */
#define T_IDC_PRODUCT_NAME_LABEL  "製品名:"
#define T_IDC_PRODUCTS_LABEL      "製品:"
#define T_IDC_EMAIL_LABEL_PHONE   "電子メール:"
#define T_IDC_EMAIL_MESSAGE_LABEL "電子メールでのご案内:"
#define T_IDC_REASON_LABEL        "製品購入の主な理由:"
#define T_IDC_SURVEY_LABEL2       "業種:"
#define T_IDC_SURVEY_LABEL3       "従業員数:"
#define T_IDC_OS_NAME_LABEL       "OS:"
#define T_IDC_OS_VERSION_LABEL    "OS のバージョン:"
#define T_IDC_LOCATION_LABEL      "設置場所:"
#define T_IDC_BENEFITS_LABEL      "特典:"
#define T_IDC_CLIENT_NUMBER_LABEL "お客様番号:"
#define T_IDC_KVR_VERSION_LABEL   "KVR のバージョン:"
#define T_IDC_PHONE_NEXT          "次へ(&N) >"

/* Question before the phone registration data is thrown away */
#define T_IDC_PHONE_EXIT_TEXT     "プログラムを終了しようとしています。まだお済みでない場合は、OVX の担当者にご連絡のうえ、製品をご登録ください。終了すると、表示されている情報は削除されます。"
#define T_IDC_PHONE_EXIT_BACK     "< 戻る(&B)"
#define T_IDC_PHONE_EXIT_NEXT     "次へ(&N) >"

/* Privacy statement */
#define T_IDC_PRIVACY_OK          "&OK"

/* Server settings */
#define T_IDC_SERVER_PROMPT       "インターネット接続の種類を選択し、サーバーの URL を入力してください (例: proxy.example.com、192.0.2.80)。"
#define T_IDC_SERVER_DIRECT       "直接接続 (以下のサーバーは不要)"
#define T_IDC_SERVER_SOCKS        "Socks サーバー"
#define T_IDC_SERVER_HTTP         "HTTP サーバー"
#define T_IDC_SERVER_AUTOPROXY    "自動プロキシ サーバー"
#define T_IDC_SERVER_URL_LABEL    "URL:"
#define T_IDC_SERVER_OK           "OK"
#define T_IDC_SERVER_CANCEL       "キャンセル"

#endif
