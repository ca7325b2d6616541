#include "testing/xlsx/XlsxWorkbook.h"

#include <tinyxml2.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "testing/xlsx/ZipArchive.h"

namespace test_support {
namespace {

using tinyxml2::XMLDocument;
using tinyxml2::XMLElement;

std::string Attribute(const XMLElement* element, const char* name) {
  const char* value = element ? element->Attribute(name) : nullptr;
  return value ? value : "";
}

// Every <t> below the element, in order: a plain string or the runs of a rich one.
std::string TextOf(const XMLElement* element) {
  std::string text;
  for (const XMLElement* child = element->FirstChildElement(); child; child = child->NextSiblingElement()) {
    if (std::string(child->Name()) == "t") {
      text += child->GetText() ? child->GetText() : "";
    } else {
      text += TextOf(child);
    }
  }
  return text;
}

std::string BuiltInFormat(int id) {
  switch (id) {
    case 0:
      return "General";
    case 49:
      return "@";
    default:
      return "builtin " + std::to_string(id);
  }
}

XlsxFont ReadFont(const XMLElement* font) {
  XlsxFont result;
  result.name = Attribute(font->FirstChildElement("name"), "val");
  result.size = std::atof(Attribute(font->FirstChildElement("sz"), "val").c_str());
  result.bold = font->FirstChildElement("b") != nullptr;
  result.italic = font->FirstChildElement("i") != nullptr;
  result.shadow = font->FirstChildElement("shadow") != nullptr;
  result.colour = Attribute(font->FirstChildElement("color"), "rgb");
  return result;
}

XlsxBorders ReadBorder(const XMLElement* border) {
  return XlsxBorders{Attribute(border->FirstChildElement("left"), "style"),
                     Attribute(border->FirstChildElement("top"), "style"),
                     Attribute(border->FirstChildElement("bottom"), "style"),
                     Attribute(border->FirstChildElement("right"), "style")};
}

int RowOf(const std::string& reference) {
  const size_t digits = reference.find_first_of("0123456789");
  return digits == std::string::npos ? 0 : std::atoi(reference.c_str() + digits);
}

}  // namespace

bool XlsxWorkbook::Fail(const std::string& reason) {
  error_ = reason;
  return false;
}

const XlsxCell& XlsxWorkbook::cell(const std::string& reference) const {
  static const XlsxCell kEmpty;
  const auto found = cells_.find(reference);
  return found == cells_.end() ? kEmpty : found->second;
}

bool XlsxWorkbook::Read(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return Fail("cannot open " + path);
  std::stringstream bytes;
  bytes << file.rdbuf();
  ZipArchive zip;
  if (!zip.Open(bytes.str())) return Fail("not a zip file");
  std::vector<std::string> targets;
  if (!ReadSheetNames(zip.Member("xl/workbook.xml"), &targets) || targets.empty()) return false;
  if (zip.Has("xl/sharedStrings.xml") && !ReadSharedStrings(zip.Member("xl/sharedStrings.xml"))) return false;
  if (!ReadStyles(zip.Member("xl/styles.xml"))) return false;
  return ReadSheet(zip.Member("xl/" + targets.front()));
}

bool XlsxWorkbook::ReadSheetNames(const std::string& workbookXml, std::vector<std::string>* targets) {
  XMLDocument document;
  if (document.Parse(workbookXml.c_str(), workbookXml.size()) != tinyxml2::XML_SUCCESS) {
    return Fail("workbook.xml does not parse");
  }
  const XMLElement* sheets = document.RootElement() ? document.RootElement()->FirstChildElement("sheets") : nullptr;
  if (!sheets) return Fail("workbook.xml lists no sheets");
  for (const XMLElement* sheet = sheets->FirstChildElement("sheet"); sheet; sheet = sheet->NextSiblingElement("sheet")) {
    sheetNames_.push_back(Attribute(sheet, "name"));
    // The writers this reads name each sheet's part after its position.
    targets->push_back("worksheets/sheet" + Attribute(sheet, "sheetId") + ".xml");
  }
  return true;
}

bool XlsxWorkbook::ReadSharedStrings(const std::string& xml) {
  XMLDocument document;
  if (document.Parse(xml.c_str(), xml.size()) != tinyxml2::XML_SUCCESS || !document.RootElement()) {
    return Fail("sharedStrings.xml does not parse");
  }
  for (const XMLElement* item = document.RootElement()->FirstChildElement("si"); item;
       item = item->NextSiblingElement("si")) {
    sharedStrings_.push_back(TextOf(item));
  }
  return true;
}

bool XlsxWorkbook::ReadStyles(const std::string& xml) {
  XMLDocument document;
  if (document.Parse(xml.c_str(), xml.size()) != tinyxml2::XML_SUCCESS || !document.RootElement()) {
    return Fail("styles.xml does not parse");
  }
  const XMLElement* root = document.RootElement();
  std::map<int, std::string> numberFormats;
  if (const XMLElement* list = root->FirstChildElement("numFmts")) {
    for (const XMLElement* f = list->FirstChildElement("numFmt"); f; f = f->NextSiblingElement("numFmt")) {
      numberFormats[f->IntAttribute("numFmtId")] = Attribute(f, "formatCode");
    }
  }
  if (const XMLElement* list = root->FirstChildElement("fonts")) {
    for (const XMLElement* f = list->FirstChildElement("font"); f; f = f->NextSiblingElement("font")) {
      fonts_.push_back(ReadFont(f));
    }
  }
  if (const XMLElement* list = root->FirstChildElement("borders")) {
    for (const XMLElement* b = list->FirstChildElement("border"); b; b = b->NextSiblingElement("border")) {
      borders_.push_back(ReadBorder(b));
    }
  }
  const XMLElement* list = root->FirstChildElement("cellXfs");
  if (!list) return Fail("styles.xml has no cell formats");
  for (const XMLElement* xf = list->FirstChildElement("xf"); xf; xf = xf->NextSiblingElement("xf")) {
    CellFormat format;
    format.font = xf->UnsignedAttribute("fontId");
    format.border = xf->UnsignedAttribute("borderId");
    const int id = xf->IntAttribute("numFmtId");
    format.numberFormat = numberFormats.count(id) ? numberFormats[id] : BuiltInFormat(id);
    const XMLElement* alignment = xf->FirstChildElement("alignment");
    format.horizontal = Attribute(alignment, "horizontal");
    format.vertical = Attribute(alignment, "vertical");
    formats_.push_back(format);
  }
  return true;
}

bool XlsxWorkbook::ReadSheet(const std::string& xml) {
  XMLDocument document;
  if (document.Parse(xml.c_str(), xml.size()) != tinyxml2::XML_SUCCESS || !document.RootElement()) {
    return Fail("the sheet does not parse");
  }
  const XMLElement* root = document.RootElement();
  if (const XMLElement* cols = root->FirstChildElement("cols")) {
    for (const XMLElement* col = cols->FirstChildElement("col"); col; col = col->NextSiblingElement("col")) {
      for (int c = col->IntAttribute("min"); c <= col->IntAttribute("max"); ++c) {
        columnWidths_[c] = col->DoubleAttribute("width");
      }
    }
  }
  const XMLElement* data = root->FirstChildElement("sheetData");
  for (const XMLElement* row = data ? data->FirstChildElement("row") : nullptr; row;
       row = row->NextSiblingElement("row")) {
    for (const XMLElement* c = row->FirstChildElement("c"); c; c = c->NextSiblingElement("c")) {
      const std::string reference = Attribute(c, "r");
      const size_t style = c->UnsignedAttribute("s");
      if (style >= formats_.size()) return Fail("cell " + reference + " has no format");
      const CellFormat& format = formats_[style];
      XlsxCell& cell = cells_[reference];
      if (format.font < fonts_.size()) cell.font = fonts_[format.font];
      if (format.border < borders_.size()) cell.borders = borders_[format.border];
      cell.numberFormat = format.numberFormat;
      cell.horizontal = format.horizontal;
      cell.vertical = format.vertical;
      const std::string type = Attribute(c, "t");
      const XMLElement* value = c->FirstChildElement("v");
      if (type == "s" && value) {
        const size_t index = std::strtoul(value->GetText() ? value->GetText() : "", nullptr, 10);
        if (index >= sharedStrings_.size()) return Fail("cell " + reference + " names no shared string");
        cell.text = sharedStrings_[index];
      } else if (type == "inlineStr") {
        const XMLElement* inlineText = c->FirstChildElement("is");
        cell.text = inlineText ? TextOf(inlineText) : "";
      } else if (value && value->GetText()) {
        cell.text = value->GetText();
      }
      lastRow_ = std::max(lastRow_, RowOf(reference));
    }
  }
  if (const XMLElement* list = root->FirstChildElement("mergeCells")) {
    for (const XMLElement* m = list->FirstChildElement("mergeCell"); m; m = m->NextSiblingElement("mergeCell")) {
      merges_.push_back(Attribute(m, "ref"));
    }
  }
  return true;
}

}  // namespace test_support
