#include "MonthlyCodes.h"

#include <iterator>

namespace Ostrel7::monthlycodes {

namespace {

// One code per month, in calendar order from the first month on; every code is
// 5 to 8 characters of digits and lower-case letters, and no two are alike.
const char* const kCodes[] = {
    // 2003-09 .. 2004-08
    "u22ai", "43tx3ya", "e6mn8qqn", "ar71ou", "03e00k", "vqe3zw7", "w93fd", "5kzxl", "50x5e", "bu5gs1y", "dorol", "achhj",
    // 2004-09 .. 2005-08
    "or3efix", "qdpgom", "kekq2un", "rxmhhqs", "xgr1q", "ocbxz66", "stk9hgz", "61refg9", "c221j", "4twbsgm", "aeve0ofx", "eebt93bh",
    // 2005-09 .. 2006-08
    "efqid", "6t07h", "4rj6osj0", "rsxy8ccb", "kstd4", "2mo5q6n", "dn7w7a", "65pqytvo", "omr2w", "xpx821t", "i09ky", "2qebqld1",
    // 2006-09 .. 2007-08
    "s62d8", "b17cz", "io9ewh", "zc3dj3q", "8k6tlct", "7ts9cmb3", "dedrt9", "wj2w4", "eew7mj7", "8cvkt8w", "og9n2k", "rqxk4j5",
    // 2007-09 .. 2008-08
    "gwoz4", "36no1", "oqu64tj", "ewa8lfg", "dt11w", "d43p4hn", "t7t484", "dbt26om", "onhsuh", "xw2kgx9g", "sf0wx", "0ew0npa3",
    // 2008-09 .. 2009-08
    "efmqq", "w4x4ey2", "aev2w9a", "v75r0gy4", "5bl6pc", "5hono", "8tdwy6", "jmnbrp", "73qb5m", "mag1h9", "f5mdl", "po8t27",
    // 2009-09 .. 2010-08
    "y78uu", "m8l296y", "2ggtbvml", "qcmsyve4", "5fjxky", "32yoskly", "i5t960t", "1t4zgg5t", "gyt5hqm", "5pk5qw", "wvttbqw", "as9gkqtv",
    // 2010-09 .. 2011-08
    "v06d2td9", "y5j8n", "w33d4", "qxgz0", "jcbiyjc", "yqhowk1j", "uffi8h", "ifp8o4u", "sllug1u", "393r9nvs", "y54xg1", "tvbez",
    // 2011-09 .. 2012-08
    "nscg3", "h8sg26du", "6zppz2rx", "p93o66", "ycs6rgsz", "vprpn2ev", "azdg5fiw", "abrln", "asscc4", "ct1m3", "ckwr2v4s", "mmp3zwo",
    // 2012-09 .. 2013-08
    "8gg3x", "lnifk", "d29tzc", "jkgpdab", "ko9c3c6l", "3ftrhfy", "s1jcb", "6e47y", "wm0u4", "rgdiewr1", "u7mcf", "mss7e5",
    // 2013-09 .. 2014-08
    "h1lrh9v", "am7j1", "oadffexp", "5owngbc", "1gjbodc", "hi5j1u8", "8n33b5rz", "s7mzgos", "djh4qq9", "rg7sjg4", "yxopdx3q", "vbn61a",
    // 2014-09 .. 2015-08
    "cqnq4d", "7ui4h2", "chzoe", "ewlm8bw", "j1hidm", "8lpmbu1", "99w7e3", "47t0ek1", "olwfp", "k0vdoep", "ftd6gv74", "z8pm0",
    // 2015-09 .. 2016-08
    "yr0654", "s21shnky", "062tc", "erhv68", "fczg80fb", "llvk8", "1y14cf", "c5yp09s", "vrmfdi", "47bssh3e", "ycatjuo1", "answ820",
    // 2016-09 .. 2017-08
    "rldb2o", "7bz60x", "ba4wss1s", "qqfpdqqk", "h77b06o", "n00m0ky", "ki4m83", "uovk9n2", "jk1ot6o8", "70vs9vb", "zgrx0g", "eehcn",
    // 2017-09 .. 2018-08
    "qpj0h2g", "t81awxth", "hwfb02", "tq5k1j8", "cx2fa31", "l5km8py7", "5fo4w87s", "3nay5cdf", "ikcxxnt", "4tfrcu96", "177x8", "6w572l",
    // 2018-09 .. 2019-08
    "56qpqa", "t4z9y8", "dvnm4y", "yz0nez", "r3sra5f", "k8cuj", "g01843kh", "025fs", "ecn9xhhc", "sbbidg0m", "gokptdq", "7cbvog8",
    // 2019-09 .. 2020-08
    "5ep9f53o", "ujf8u2lw", "tvtiej", "v047u1oy", "mdprf", "vnhig8", "9octz2v", "0az4f0x", "r55qo0h", "5ue8tt", "4gpwcb", "hcigmc",
    // 2020-09 .. 2021-08
    "9pref3", "hqgpelhe", "bjmxc", "5ftz5", "8as42b", "eacng6", "yoco6nz4", "dnn1b", "mtb24", "r953x", "ex36hwa", "kmn1nt",
    // 2021-09 .. 2022-08
    "xzydjg8", "bmpaww", "0us602", "d8dmf", "nprl6ss", "q96coby5", "d6gokn8", "wnk7n4", "bl8umqun", "rsdyd7x", "qo8uc5", "z481eq",
    // 2022-09 .. 2023-08
    "0cxh4x", "mfnk80", "5k88s4r", "9zv80q6", "5u57ut79", "a55sf5", "i8c71s", "lqpqz5gu", "6cxi85n", "gcp3nv", "kzd879p", "7ogfnog",
    // 2023-09 .. 2024-08
    "tgxlx21", "gnf3nv", "ajqo4g", "01knih", "yyqkd", "cnp021us", "jbx1rh1", "o5kmmvs", "3yug29xm", "a4yac", "y6gzjuq8", "ktp1bap",
    // 2024-09 .. 2025-08
    "ogm10r", "nvwmfe", "wpxpk", "0vpn3l9", "91n3w4", "pbt3w", "x4zb5js", "hf81c", "gn6tuww", "2yz0a2", "z2uvxd", "lpipsyhq",
    // 2025-09 .. 2026-08
    "dpnp0mv", "zikirsh1", "twxkkh3e", "vh7g2d", "5yohx91k", "0ty02z", "kmauo1q4", "ztkdskz", "5zpcygth", "t0cfther", "ql40kg", "0umau",
    // 2026-09 .. 2027-08
    "i0a1epod", "oo9a6v", "v3l1p1", "m3oeli", "x2v8mrin", "kqo799", "lzebdkw", "jrovthyz", "vqu034", "o4rzf8x", "qw0nd", "yy3mg9l",
    // 2027-09 .. 2028-08
    "7latabr4", "8kasnfl", "hrntibyw", "r8ibv4fs", "fjhsa", "s30vc", "151r3o5", "0q47x", "gxnlhg", "s8imq", "7ocf4vrh", "wi4pf4oa",
    // 2028-09 .. 2029-08
    "qb1nigka", "yim5qxn", "5v790fon", "8sb4u6l6", "qsxo9i", "18d3qnex", "xxhg0jmr", "lho2kkty", "a9p1zgsd", "c20cslm", "r41ltgaq", "j8h3m",
    // 2029-09 .. 2030-08
    "iq8arjzs", "e45pt", "ssfy3kw", "wtjino", "ytuiv", "mz0ug", "z6nawsk1", "j69yc", "huooq0", "9c7szd0j", "qbl7ocd", "r0peqi9",
    // 2030-09 .. 2031-08
    "txim9", "bp1mp5", "3c6v8", "6yyqll8", "v485zt", "ersb9", "p1inmtw", "wxbfw", "4shr87j", "xzg2cpk", "lcuc3305", "a5zqe",
    // 2031-09 .. 2032-08
    "dmdkh", "bkdkt2", "09tics", "j74v7", "axtgca", "hvowf", "uqmtp", "cy390ca", "nl0svpxb", "l232c6i", "9yd20si", "oqjv6",
    // 2032-09 .. 2033-08
    "nrtz4v", "4o648xh", "uqkd4p80", "ihp2l", "84gf3mh", "vjolx", "ssjfv75j", "fi88aj", "5uwp6", "3zx38ij", "fknop3n", "acy8jg0w",
    // 2033-09 .. 2034-08
    "p00nmik0", "oquqbs4", "4f4nrjg", "rdy54pea", "sqpcp", "k0k3oat", "dpp4ld2", "6aa3p", "c8ev25n", "ez89l60", "shr7ah", "zlgzn3sc",
    // 2034-09 .. 2035-08
    "ip1ljp1j", "p7qq69", "mxlki", "yg06x8t", "cpfaqbz", "qnf2ul", "to00lh", "b23yij", "m4s9ep1", "5afhdn2", "fbzjofz", "m64wnb",
    // 2035-09 .. 2036-08
    "y2m1c", "5ttj4eet", "ozw6l14", "oac9u", "7w9sq", "y9yhs", "m8cdgzf", "wwne2z1", "d7lxejz", "j67rsm1u", "4fqlk", "rz8oi5rf",
    // 2036-09 .. 2037-08
    "f73fcx", "cgg0z6", "2if3f", "6tf7gj", "8oq6z", "ig5l41bq", "ezqt8", "if0r3bl", "mpq71yx", "7bzvd", "fc5pr0dc", "jzhv86ci",
    // 2037-09 .. 2038-08
    "alp2qh0", "1xakn", "thm21uq", "t06k7wa", "63m5wsr", "y28mj", "g2uns", "e8g4eiv", "wkjnc", "1gijvu", "5oz395b5", "1tf293",
    // 2038-09 .. 2039-08
    "44qcp9a", "8245bpnv", "58up49z", "dxh2i5v", "o6icpq", "60g4t", "i7vfa", "tm4wg", "wynkz", "d9190py", "b4382s", "pijbl3",
    // 2039-09 .. 2040-08
    "ykv6l6", "vqpbwy", "68rbcl", "8czv6", "zzdlhfb", "wgzx3mt", "0endr", "aaw3z4l3", "fguqm9t", "102klf", "rdy8au", "avqr0",
    // 2040-09 .. 2041-08
    "2j8ime", "33wtka4", "b3es49ak", "b4y77", "3ecao", "4ofzr5g", "6flw1", "8eiu43o", "yd1t3o3", "l6pk8r8", "gqzzaj5", "vincu0q",
    // 2041-09 .. 2042-08
    "uonrw", "w45z2", "imz1fm", "wpozkw", "8hxpid66", "no4bfe", "j4wc1gl", "uikun", "4ti6j2b", "pio1m1uf", "jbett7y", "94mqh",
    // 2042-09 .. 2043-08
    "9i2lq4xa", "ujpwxvq", "2z51o", "gd2tm", "ymsgd", "4m5zk", "dq92rp", "pdpn4sq", "4rwr9f", "iqlbz", "fvnnl6", "zr56ij",
    // 2043-09 .. 2044-08
    "lq1yx2k", "qu4z0", "1gd3r4v", "18cpp5yp", "yfvzs", "kb8lmso0", "1i9sc8i", "dc9qr0bj", "jyg6v", "m3slsll", "677abrk", "lqugqg",
    // 2044-09 .. 2045-08
    "df0p4u", "ut7b1", "fg1jbvkc", "rqfqqhe6", "ryqke", "w605wv", "5m3z6op0", "dw63l", "itoriby", "i4fb9", "hii2ue", "dsj9id",
    // 2045-09 .. 2046-08
    "wx85y14", "kvjfjt", "48639pzj", "x1hqjn", "30jf5w", "ikdpdol", "w2ccvlz", "9zsn4", "ttpnlc", "x6lts06", "vsfzcla8", "n8kbvdw",
    // 2046-09 .. 2047-08
    "e7p4w0", "1dlu7zn", "5nx0huo", "j8q6wdv", "a6aapep", "c5vy7t0z", "bug1l", "yn4nmacy", "iqt8z1s", "6h47doz9", "z20jf09", "lnpy87zs",
    // 2047-09 .. 2048-08
    "ryt3tj", "1e8c2t", "s12jdqp", "89vaw8", "skv1u", "3gttou", "olph08q5", "a11rv98", "4h4gu7", "e2ehctk", "0k2qfad", "m84e7q",
    // 2048-09 .. 2049-08
    "j8li8", "amxhi7ns", "lo9amx7", "go7ydzo", "v2m8g70", "bo0mb", "qeyddu", "ot87y3", "ux33278", "fev3giov", "4m3r08", "7ybojz",
    // 2049-09 .. 2050-08
    "d10t6jd", "vdg3au", "4zrt9p", "x9ufa7o", "fg70w0y", "yewr4um", "1a6b2", "3txc14et", "52iw4j9u", "2drwj9", "exzk637r", "4nsvefcd",
    // 2050-09 .. 2051-08
    "0r6w33", "9yrwcy", "z6t6tqs", "sjim1fk", "ww0wvc9z", "0y2gv", "crk6xdd", "8gsk7twa", "gf37112", "z6sqvb", "zglt1j5", "frw4z",
    // 2051-09 .. 2052-08
    "s2g8w", "mbvqf", "0iwju4", "14bte", "51mae2yl", "dcx9u9p", "5s7u3o", "7dpsh", "na9q8l3", "wxx5g1e", "pcdjsc", "bw9n7o",
    // 2052-09 .. 2053-08
    "10nvsz", "4bdwt89", "d0ghp", "8od6y", "8mi5rn", "zhj8x81v", "5dqpyr", "fj5a6", "8hyfd", "nlim9", "491nt5ej", "c7rva",
};

constexpr int kFirstYear = kFirstMonth / 100;
constexpr int kFirstMonthOfYear = kFirstMonth % 100;

static_assert(std::size(kCodes) == 600, "one code per month from 2003-09 to 2053-08");

} // namespace

QString codeOf(int year, int month)
{
    if (month < 1 || month > 12)
        return {};
    const long index = (long(year) - kFirstYear) * 12 + (month - kFirstMonthOfYear);
    if (index < 0 || index >= long(std::size(kCodes)))
        return {};
    return QString::fromLatin1(kCodes[index]);
}

} // namespace Ostrel7::monthlycodes
