#include "offline/StateLists.h"

namespace kvr {

namespace {

// Names 550-612 are shared by the United States and Canada.
constexpr StateEntry kUnitedStates[] = {
    {"AL", 550}, {"AK", 551}, {"AZ", 553}, {"AR", 554}, {"CA", 556}, {"CO", 557},
    {"CT", 558}, {"DE", 559}, {"DC", 560}, {"FL", 561}, {"GA", 562}, {"HI", 563},
    {"ID", 564}, {"IL", 565}, {"IN", 566}, {"IA", 567}, {"KS", 568}, {"KY", 569},
    {"LA", 570}, {"ME", 571}, {"MD", 573}, {"MA", 574}, {"MI", 575}, {"MN", 576},
    {"MS", 577}, {"MO", 578}, {"MT", 579}, {"NE", 580}, {"NV", 581}, {"NH", 583},
    {"NJ", 584}, {"NM", 585}, {"NY", 586}, {"NC", 588}, {"ND", 589}, {"OH", 592},
    {"OK", 593}, {"OR", 595}, {"PA", 596}, {"RI", 599}, {"SC", 601}, {"SD", 602},
    {"TN", 603}, {"TX", 604}, {"UT", 605}, {"VT", 606}, {"VA", 607}, {"WA", 608},
    {"WV", 609}, {"WI", 610}, {"WY", 611},
};

constexpr StateEntry kCanada[] = {
    {"AB", 552}, {"BC", 555}, {"MB", 572}, {"NB", 582}, {"NF", 587}, {"NT", 590},
    {"NS", 591}, {"ON", 594}, {"PE", 597}, {"QC", 598}, {"SK", 600}, {"YT", 612},
};

// Codes number the prefectures in English alphabetical order; the names (1900-1946) run from
// Hokkaido to Okinawa.
constexpr StateEntry kJapan[] = {
    {"12", 1900}, {"3", 1901}, {"16", 1902}, {"24", 1903}, {"2", 1904}, {"45", 1905},
    {"8", 1906}, {"14", 1907}, {"39", 1908}, {"10", 1909}, {"35", 1910}, {"4", 1911},
    {"41", 1912}, {"19", 1913}, {"47", 1914}, {"26", 1915}, {"29", 1916}, {"43", 1917},
    {"15", 1918}, {"6", 1919}, {"9", 1920}, {"38", 1921}, {"1", 1922}, {"23", 1923},
    {"36", 1924}, {"22", 1925}, {"33", 1926}, {"13", 1927}, {"28", 1928}, {"44", 1929},
    {"42", 1930}, {"37", 1931}, {"31", 1932}, {"11", 1933}, {"46", 1934}, {"40", 1935},
    {"17", 1936}, {"5", 1937}, {"20", 1938}, {"7", 1939}, {"34", 1940}, {"27", 1941},
    {"21", 1942}, {"30", 1943}, {"25", 1944}, {"18", 1945}, {"32", 1946},
};

constexpr StateEntry kBrazil[] = {
    {"AC", 2550},  // Acre
    {"AL", 2551},  // Alagoas
    {"AP", 2552},  // Amapa
    {"AM", 2553},  // Amazonas
    {"BA", 2554},  // Bahia
    {"CE", 2555},  // Ceara
    {"DF", 2556},  // Distrito Federal
    {"ES", 2557},  // Espirito Santo
    {"GO", 2558},  // Goias
    {"MA", 2559},  // Maranhao
    {"MT", 2560},  // Mato Grosso
    {"MS", 2561},  // Mato Grosso do Sul
    {"MG", 2562},  // Minas Gerais
    {"PA", 2563},  // Para
    {"PB", 2564},  // Paraiba
    {"PR", 2565},  // Parana
    {"PE", 2566},  // Pernambuco
    {"PI", 2567},  // Piaui
    {"RJ", 2568},  // Rio de Janeiro
    {"RN", 2569},  // Rio Grande do Norte
    {"RS", 2570},  // Rio Grande do Sul
    {"RO", 2571},  // Rondonia
    {"RR", 2572},  // Roraima
    {"SC", 2573},  // Santa Catarina
    {"SP", 2574},  // Sao Paulo
    {"SE", 2575},  // Sergipe
    {"TO", 2576},  // Tocantins
};

}  // namespace

std::span<const StateEntry> unitedStatesStates() { return kUnitedStates; }
std::span<const StateEntry> canadianProvinces() { return kCanada; }
std::span<const StateEntry> japanesePrefectures() { return kJapan; }
std::span<const StateEntry> brazilianStates() { return kBrazil; }

}  // namespace kvr
