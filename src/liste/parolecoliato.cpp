#include "liste/sillabazione.h"

// Common words whose unmarked i or u is stressed next to another vowel, so the two vowels
// belong to different syllables (zi-o, pa-u-ra), together with the forms derived from them
// that keep the split (zi-i, pa-u-ro-so). Spelling alone cannot tell them from chio-do or
// pau-sa; every other word with such a pair is marked uncertain instead.
const QStringList &Sillabazione::paroleConIato() {
    static const QStringList parole{
        // people, pronouns and little words
        QStringLiteral("zi-o"), QStringLiteral("zi-i"), QStringLiteral("zi-a"),
        QStringLiteral("zi-e"), QStringLiteral("mi-o"), QStringLiteral("mi-a"),
        QStringLiteral("mi-e"), QStringLiteral("tu-o"), QStringLiteral("tu-a"),
        QStringLiteral("tu-e"), QStringLiteral("su-o"), QStringLiteral("su-a"),
        QStringLiteral("su-e"), QStringLiteral("du-e"), QStringLiteral("bu-e"),
        QStringLiteral("i-o"), QStringLiteral("di-o"), QStringLiteral("ma-ri-a"),
        QStringLiteral("lu-ci-a"), QStringLiteral("ad-di-o"), QStringLiteral("ad-di-i"),
        QStringLiteral("ma-is"),
        // places and roads
        QStringLiteral("vi-a"), QStringLiteral("vi-e"), QStringLiteral("vi-a-le"),
        QStringLiteral("vi-a-li"), QStringLiteral("pen-di-o"),
        // shops
        QStringLiteral("far-ma-ci-a"), QStringLiteral("far-ma-ci-e"),
        QStringLiteral("piz-ze-ri-a"), QStringLiteral("piz-ze-ri-e"),
        QStringLiteral("li-bre-ri-a"), QStringLiteral("li-bre-ri-e"),
        QStringLiteral("pa-net-te-ri-a"), QStringLiteral("pa-stic-ce-ri-a"),
        QStringLiteral("ge-la-te-ri-a"), QStringLiteral("ma-cel-le-ri-a"),
        QStringLiteral("car-to-le-ri-a"), QStringLiteral("la-van-de-ri-a"),
        QStringLiteral("o-ste-ri-a"), QStringLiteral("gal-le-ri-a"), QStringLiteral("gal-le-ri-e"),
        QStringLiteral("po-li-zi-a"), QStringLiteral("bat-te-ri-a"), QStringLiteral("bat-te-ri-e"),
        // feelings and ideas
        QStringLiteral("pa-u-ra"), QStringLiteral("pa-u-re"), QStringLiteral("pa-u-ro-so"),
        QStringLiteral("pa-u-ro-sa"), QStringLiteral("pa-u-ro-si"), QStringLiteral("pa-u-ro-se"),
        QStringLiteral("im-pa-u-ri-to"), QStringLiteral("im-pa-u-ri-ta"),
        QStringLiteral("bu-gi-a"), QStringLiteral("bu-gi-e"), QStringLiteral("ma-gi-a"),
        QStringLiteral("ma-gi-e"), QStringLiteral("al-le-gri-a"), QStringLiteral("fan-ta-si-a"),
        QStringLiteral("fan-ta-si-e"), QStringLiteral("po-e-si-a"), QStringLiteral("po-e-si-e"),
        QStringLiteral("ge-lo-si-a"), QStringLiteral("sim-pa-ti-a"), QStringLiteral("cor-te-si-a"),
        QStringLiteral("com-pa-gni-a"), QStringLiteral("ma-lin-co-ni-a"),
        QStringLiteral("ar-mo-ni-a"), QStringLiteral("me-lo-di-a"), QStringLiteral("me-lo-di-e"),
        QStringLiteral("paz-zi-a"), QStringLiteral("fol-li-a"), QStringLiteral("e-ner-gi-a"),
        QStringLiteral("al-ler-gi-a"), QStringLiteral("al-ler-gi-e"),
        QStringLiteral("ma-lat-ti-a"), QStringLiteral("ma-lat-ti-e"),
        QStringLiteral("e-ro-i-na"), QStringLiteral("e-ro-i-co"), QStringLiteral("e-go-i-sta"),
        // school subjects and things
        QStringLiteral("ge-o-gra-fi-a"), QStringLiteral("fo-to-gra-fi-a"),
        QStringLiteral("fo-to-gra-fi-e"), QStringLiteral("tri-an-go-lo"),
        QStringLiteral("tri-an-go-li"), QStringLiteral("ba-u-le"), QStringLiteral("ba-u-li"),
        QStringLiteral("leg-gi-o"),
        // snow
        QStringLiteral("sci-a"), QStringLiteral("sci-a-re"), QStringLiteral("sci-a-to-re"),
        QStringLiteral("sci-a-to-ri"), QStringLiteral("sci-a-tri-ce"), QStringLiteral("spi-a"),
        QStringLiteral("spi-e"), QStringLiteral("spi-a-re"),
        // sounds
        QStringLiteral("ron-zi-o"), QStringLiteral("bru-si-o"), QStringLiteral("fru-sci-o"),
        QStringLiteral("mor-mo-ri-o"), QStringLiteral("pi-go-li-o"),
        QStringLiteral("cin-guet-ti-o"), QStringLiteral("luc-ci-chi-o"),
        QStringLiteral("scin-til-li-o"),
    };
    return parole;
}
