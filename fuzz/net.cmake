# The deciding parts of the Internet submission.
kvr_add_fuzzer(reply_judge_fuzz SOURCES ReplyJudgeFuzz.cpp LIBS kvr_net)
kvr_add_fuzzer(autoconfig_fuzz SOURCES AutoConfigFuzz.cpp LIBS kvr_net)
kvr_add_fuzzer(prefs_fuzz SOURCES PrefsFuzz.cpp LIBS kvr_net)
kvr_add_fuzzer(proxy_server_fuzz SOURCES ProxyServerFuzz.cpp LIBS kvr_net)
