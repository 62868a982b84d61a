#include "setup/menudata.h"

#include <stdexcept>
#include <string_view>

#include "common/codepage.h"
#include "common/profile.h"

namespace corvane {

namespace {

// Texts are literal except for {WORD:R}: the vocabulary word WORD (named by
// its upper-case form) in the case of role R, E element, A attribute, V
// value.  A backslash followed by "n" is the editor's line-break escape and
// is written as those two characters.

struct MenuItem {
    const char* key;
    const char* value;
};

// Section "Menu00", in writing order.  Top-level labels are padded with
// blanks to 15 Shift_JIS bytes before their hint; in a group of children the
// labels with a hint line up their " : ".
constexpr MenuItem kMenu00[] = {
    {"M00", "00,改 行          <{BR:E}>"},
    {"S0000", "00,通 常    : {CLEAR:A}=\"{NONE:V}\""},
    {"S0001", "00,行頭左端 : {CLEAR:A}=\"{LEFT:V}\""},
    {"S0002", "00,行末右端 : {CLEAR:A}=\"{RIGHT:V}\""},
    {"S0003", "00,行端両端 : {CLEAR:A}=\"{ALL:V}\""},
    {"M01", "00,段 落          <{P:E}>"},
    {"S0100", "00,左側 : {ALIGN:A}=\"{LEFT:V}\""},
    {"S0101", "00,中央 : {ALIGN:A}=\"{CENTER:V}\""},
    {"S0102", "00,右側 : {ALIGN:A}=\"{RIGHT:V}\""},
    {"M02", "00,中央寄せ       <{CENTER:E}>"},
    {"M03", "13,03,配 置          <{DIV:E}>"},
    {"M0300", "00,左側 : {ALIGN:A}=\"{LEFT:V}\""},
    {"M0301", "00,中央 : {ALIGN:A}=\"{CENTER:V}\""},
    {"M0302", "00,右側 : {ALIGN:A}=\"{RIGHT:V}\""},
    {"M04", "00,罫 線          <{HR:E}>"},
    {"M05", "00,整形済み       <{PRE:E}>"},
    {"M08", "13,06,見出し         <{H:E}n>"},
    {"M09", "10,フォント       <{FONT:E}>"},
    {"S0900", "00,２つ小さく : {SIZE:A}=\"-2\""},
    {"S0901", "00,１つ小さく : {SIZE:A}=\"-1\""},
    {"S0903", "00,小 : {SIZE:A}=\"1\""},
    {"S0904", "00,∧ : {SIZE:A}=\"2\""},
    {"S0905", "00,∧ : {SIZE:A}=\"3\""},
    {"S0906", "00,∧ : {SIZE:A}=\"4\""},
    {"S0907", "00,∧ : {SIZE:A}=\"5\""},
    {"S0908", "00,∧ : {SIZE:A}=\"6\""},
    {"S0909", "00,大 : {SIZE:A}=\"7\""},
    {"S0911", "00,１つ大きく : {SIZE:A}=\"+1\""},
    {"S0912", "00,２つ大きく : {SIZE:A}=\"+2\""},
    {"M10", "13,07,基本フォント   <{BASEFONT:E}>"},
    {"M1000", "00,小 : {SIZE:A}=\"1\""},
    {"M1001", "00,∧ : {SIZE:A}=\"2\""},
    {"M1002", "00,∧ : {SIZE:A}=\"3\""},
    {"M1003", "00,∧ : {SIZE:A}=\"4\""},
    {"M1004", "00,∧ : {SIZE:A}=\"5\""},
    {"M1005", "00,∧ : {SIZE:A}=\"6\""},
    {"M1006", "00,大 : {SIZE:A}=\"7\""},
    {"M11", "13,09,書 式          <{B:E}>, <{I:E}> ..."},
    {"M1100", "00,太字   : <{B:E}>"},
    {"M1101", "00,斜体   : <{I:E}>"},
    {"M1102", "00,取消線 : <{S:E}>"},
    {"M1103", "00,下線   : <{U:E}>"},
    {"M1104", "00,等幅   : <{TT:E}>"},
    {"M1105", "00,大きく : <{BIG:E}>"},
    {"M1106", "00,小さく : <{SMALL:E}>"},
    {"M1107", "00,上付き : <{SUP:E}>"},
    {"M1108", "00,下付き : <{SUB:E}>"},
    {"M14", "10,リンク         <{A:E}>"},
    {"M15", "10,画像           <{IMG:E}>"},
    {"M16", "10,ｸﾘｯｶﾌﾞﾙﾏｯﾌﾟ    <{MAP:E}> ..."},
    {"S1600", "10,ﾏｯﾌﾟ          : <{MAP:E}>"},
    {"S1601", "10,ｲﾒｰｼﾞﾏｯﾌﾟ追加 : <{AREA:E}>"},
    {"M17", "00,テーブル       <{TABLE:E}> ..."},
    {"S1700", "10,テーブル  : <{TABLE:E}>"},
    {"S1701", "10,表題      : <{CAPTION:E}>"},
    {"S1702", "10,行追加    : <{TR:E}>"},
    {"S1703", "10,セル追加  : <{TD:E}>, <{TH:E}>"},
    {"M18", "13,07,リスト         <{UL:E}>, <{DL:E}> ..."},
    {"M1800", "10,箇条書きリスト : <{UL:E}>"},
    {"M1801", "10,項番付きリスト : <{OL:E}>"},
    {"M1802", "10,リスト項目     : <{LI:E}>"},
    {"M1804", "10,定義リスト     : <{DL:E}>"},
    {"M1805", "00,リスト項目     : <{DT:E}>"},
    {"M1806", "00,リスト項目説明 : <{DD:E}>"},
    {"M19", "10,フレーム       <{FRAMESET:E}> ..."},
    {"S1900", "10,フレームセット : <{FRAMESET:E}>"},
    {"S1901", "10,フレーム       : <{FRAME:E}>"},
    {"S1902", "00,フレームなし   : <{NOFRAMES:E}>"},
    {"M20", "13,08,フォーム       <{FORM:E}> ..."},
    {"M2000", "10,フォーム   : <{FORM:E}>"},
    {"M2002", "13,10,入力       : <{INPUT:E}>"},
    {"M200200", "10,ﾃｷｽﾄ       : {TYPE:A}=\"{TEXT:V}\""},
    {"M200201", "10,ﾊﾟｽﾜｰﾄﾞ    : {TYPE:A}=\"{PASSWORD:V}\""},
    {"M200202", "10,ﾎﾞﾀﾝ       : {TYPE:A}=\"{BUTTON:V}\""},
    {"M200203", "10,ﾁｪｯｸﾎﾞｯｸｽ  : {TYPE:A}=\"{CHECKBOX:V}\""},
    {"M200204", "10,ﾗｼﾞｵﾎﾞﾀﾝ   : {TYPE:A}=\"{RADIO:V}\""},
    {"M200205", "10,ｻﾌﾞﾐｯﾄﾎﾞﾀﾝ : {TYPE:A}=\"{SUBMIT:V}\""},
    {"M200206", "10,ﾘｾｯﾄﾎﾞﾀﾝ   : {TYPE:A}=\"{RESET:V}\""},
    {"M200207", "10,画像ﾎﾞﾀﾝ   : {TYPE:A}=\"{IMAGE:V}\""},
    {"M200208", "10,隠しﾌｨｰﾙﾄﾞ : {TYPE:A}=\"{HIDDEN:V}\""},
    {"M200209", "10,ﾌｧｲﾙ転送   : {TYPE:A}=\"{FILE:V}\""},
    {"M2004", "10,選択       : <{SELECT:E}>"},
    {"M2005", "10,選択項目   : <{OPTION:E}>"},
    {"M2007", "10,複数行入力 : <{TEXTAREA:E}>"},
    {"M22", "00,ひな形HTML作成 <{HTML:E}> ..."},
    {"M23", "13,05,ヘッダー部     <{HEAD:E}> ..."},
    {"M2300", "00,タイトル    : <{TITLE:E}>"},
    {"M2302", "13,10,ﾄﾞｷｭﾒﾝﾄﾀｲﾌﾟ : <!{DOCTYPE:E}>"},
    {"M230200", "00,{W3C:V}//{DTD:V} {HTML:V} 4.0 Frameset"},
    {"M230201", "00,{W3C:V}//{DTD:V} {HTML:V} 4.0 Transitional"},
    {"M230202", "00,{W3C:V}//{DTD:V} {HTML:V} 4.0"},
    {"M230203", "00,{W3C:V}//{DTD:V} {HTML:V} 4.0 Strict"},
    {"M230204", "00,{W3C:V}//{DTD:V} {HTML:V} 3.2"},
    {"M230205", "00,{W3C:V}//{DTD:V} {HTML:V} 3.2 Final"},
    {"M230206", "00,{W3C:V}//{DTD:V} {HTML:V} 3.0"},
    {"M230207", "00,{IETF:V}//{DTD:V} {HTML:V} i18n"},
    {"M230208", "00,{IETF:V}//{DTD:V} {HTML:V}"},
    {"M230209", "00,{IETF:V}//{DTD:V} {HTML:V} 2.0"},
    {"M2303", "10,基準ＵＲＬ  : <{BASE:E}>"},
    {"M2304", "13,05,文字コード  : <{META:E} {CHARSET:A}>"},
    {"M230400", "00,Shift_JIS"},
    {"M230401", "00,EUC-JP"},
    {"M230402", "00,ISO-2022-JP"},
    {"M230403", "00,x-sjis"},
    {"M230404", "00,x-euc-jp"},
    {"M24", "10,本体部         <{BODY:E}>"},
    {"M26", "13,04,プラグイン     <{EMBED:E}>"},
    {"M27", "10,ＢＧＭ         <{BGSOUND:E}>"},
};

// Section "Edit00": the texts the editor puts before ("a") and after ("b")
// the selection, one group of similar entries a line.  '$' in a text is the
// member's varying part, which may itself hold {WORD:R}.
enum class Part {
    None,       // no varying part
    Listed,     // `parts`: one per member, separated by '|'
    MenuLabel,  // the member's Menu00 value without its kind "00,"
};

struct EditGroup {
    const char* keys;   // Menu00 keys of the members, blank-separated
    const char* a;      // text before the selection
    const char* b;      // text after it; nullptr: the entry has an "a" text only
    Part part;
    const char* parts;
};

constexpr EditGroup kEdit00[] = {
    {"M00", "<{BR:E}>", nullptr, Part::None, nullptr},
    {"S0000 S0001 S0002 S0003", "<{BR:E} {CLEAR:A}=\"{$:V}\">", nullptr, Part::Listed, "NONE|LEFT|RIGHT|ALL"},
    {"M01", "<{P:E}>\\n", nullptr, Part::None, nullptr},
    {"S0100 S0101 S0102", "<{P:E} {ALIGN:A}=\"{$:V}\">\\n", "</{P:E}>", Part::Listed, "LEFT|CENTER|RIGHT"},
    {"M02", "<{CENTER:E}>", "</{CENTER:E}>", Part::None, nullptr},
    {"M0300 M0301 M0302", "<{DIV:E} {ALIGN:A}=\"{$:V}\">", "</{DIV:E}>", Part::Listed, "LEFT|CENTER|RIGHT"},
    {"M04", "<{HR:E}>\\n", nullptr, Part::None, nullptr},
    {"M05", "<{PRE:E}>", "</{PRE:E}>", Part::None, nullptr},
    {"M0800 M0801 M0802 M0803 M0804 M0805", "<{H:E}$>", "</{H:E}$>", Part::Listed, "1|2|3|4|5|6"},
    {"S0900 S0901 S0903 S0904 S0905 S0906 S0907 S0908 S0909 S0911 S0912", "<{FONT:E} {SIZE:A}=\"$\">", "</{FONT:E}>",
     Part::Listed, "-2|-1|1|2|3|4|5|6|7|+1|+2"},
    {"M1000 M1001 M1002 M1003 M1004 M1005 M1006", "<{BASEFONT:E} {SIZE:A}=\"$\">\\n", nullptr, Part::Listed,
     "1|2|3|4|5|6|7"},
    {"M1100 M1101 M1102 M1103 M1104 M1105 M1106 M1107 M1108", "<{$:E}>", "</{$:E}>", Part::Listed,
     "B|I|S|U|TT|BIG|SMALL|SUP|SUB"},
    {"M1200 M1201 M1202 M1203 M1204", "$", nullptr, Part::Listed, "&lt;|&gt;|&amp;|&quot;|&nbsp;"},
    {"M17", "<{TABLE:E}>\\n<{CAPTION:E}></{CAPTION:E}>\\n<{TR:E}><{TD:E}></{TD:E}></{TR:E}>\\n", "</{TABLE:E}>\\n",
     Part::None, nullptr},
    {"S1902", "<{NOFRAMES:E}>\\n", "</{NOFRAMES:E}>", Part::None, nullptr},
    {"M22", "<{HTML:E}>\\n<{HEAD:E}>\\n<{TITLE:E}></{TITLE:E}>\\n</{HEAD:E}>\\n<{BODY:E}>\\n", "</{BODY:E}>\\n</{HTML:E}>\\n",
     Part::None, nullptr},
    {"M2300", "<{TITLE:E}>", "</{TITLE:E}>", Part::None, nullptr},
    {"M230200 M230201 M230202 M230203 M230204 M230205 M230206 M230207 M230208 M230209",
     "<!{DOCTYPE:E} {HTML:E} {PUBLIC:E} \"-//$//EN\">", nullptr, Part::MenuLabel, nullptr},
    {"M230400 M230401 M230402 M230403 M230404",
     "<{META:E} {HTTP-EQUIV:A}=\"Content-Type\" {CONTENT:A}=\"{TEXT:V}/{HTML:V}; {CHARSET:V}=$\">", nullptr,
     Part::Listed, "Shift_JIS|EUC-JP|ISO-2022-JP|x-sjis|x-euc-jp"},
    {"M2603", "<{NOEMBED:E}>\\n", "</{NOEMBED:E}>\\n", Part::None, nullptr},
};

std::vector<std::string_view> split(std::string_view s, char sep) {
    std::vector<std::string_view> out;
    while (true) {
        size_t cut = s.find(sep);
        out.push_back(s.substr(0, cut));
        if (cut == std::string_view::npos) return out;
        s.remove_prefix(cut + 1);
    }
}

int word_number(std::string_view upper) {
    for (int k = 0; k < WORD_COUNT; ++k)
        if (vocab_entry(2 * k) == upper) return k;
    throw std::logic_error("menu data names an unknown word: " + std::string(upper));
}

// Replaces every {WORD:R} of `text` with the vocabulary word.
std::string expand(std::string_view text, const CaseSettings& settings) {
    std::string out;
    while (!text.empty()) {
        size_t open = text.find('{');
        out.append(text.substr(0, open));
        if (open == std::string_view::npos) break;
        size_t close = text.find('}', open);
        size_t colon = text.find(':', open);
        if (close == std::string_view::npos || colon > close || close != colon + 2)
            throw std::logic_error("bad menu data text: " + std::string(text));
        Role role;
        switch (text[colon + 1]) {
            case 'E': role = Role::Element; break;
            case 'A': role = Role::Attribute; break;
            case 'V': role = Role::Value; break;
            default: throw std::logic_error("bad menu data role: " + std::string(text));
        }
        out += word(word_number(text.substr(open + 1, colon - open - 1)), role, settings);
        text.remove_prefix(close + 1);
    }
    return out;
}

std::string fill(std::string_view text, std::string_view part) {
    std::string out;
    for (char c : text) {
        if (c == '$')
            out.append(part);
        else
            out += c;
    }
    return out;
}

std::string_view menu_value(std::string_view key) {
    for (const MenuItem& m : kMenu00)
        if (key == m.key) return m.value;
    throw std::logic_error("menu data has no Menu00 entry " + std::string(key));
}

}  // namespace

std::vector<MenuDataEntry> menu_data(const CaseSettings& settings) {
    std::vector<MenuDataEntry> out;
    for (const MenuItem& m : kMenu00) out.push_back({"Menu00", m.key, expand(m.value, settings)});
    for (const EditGroup& g : kEdit00) {
        auto keys = split(g.keys, ' ');
        std::vector<std::string_view> parts;
        if (g.part == Part::Listed) parts = split(g.parts, '|');
        if (g.part == Part::Listed && parts.size() != keys.size())
            throw std::logic_error("menu data group " + std::string(keys.front()) + " has a wrong part count");
        for (size_t i = 0; i < keys.size(); ++i) {
            std::string_view part;
            if (g.part == Part::Listed) part = parts[i];
            if (g.part == Part::MenuLabel) part = menu_value(keys[i]).substr(3);  // after "00,"
            std::string key(keys[i]);
            out.push_back({"Edit00", key + "a", expand(fill(g.a, part), settings)});
            if (g.b) out.push_back({"Edit00", key + "b", expand(fill(g.b, part), settings)});
        }
    }
    return out;
}

void write_menu_data(ProfileFile& file, const CaseSettings& settings) {
    for (const MenuDataEntry& e : menu_data(settings))
        file.write_string(e.section, e.key, from_utf8(e.value, CodePage::Cp932));
}

void generate_menu_data(const std::string& pld_path, const CaseSettings& settings) {
    ProfileFile file(pld_path);
    write_menu_data(file, settings);
    file.save();
}

}  // namespace corvane
