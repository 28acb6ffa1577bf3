#ifndef KINTREE_PUBLISH_WEB_ADDRESSES_H_
#define KINTREE_PUBLISH_WEB_ADDRESSES_H_

#include <string>

/// The maker's home page, linked from the usage screen and every HTML footer.
inline constexpr const char* kHomePage = "https://quillmoor.example.net/kintree";
/// The link to the maker's home page in every HTML footer.
inline std::string homeLink() {
  return std::string("<a href=\"") + kHomePage + "\"> Quillmoor - Tavrin </a>";
}

/// The page of the dtree JavaScript tree library that -j pages load.
inline constexpr const char* kDtreePage = "https://www.destroydrop.com/javascripts/tree/";
/// The GraphViz home page.
inline constexpr const char* kGraphVizPage = "https://graphviz.org/";

/// The DataTables 1.10.16 stylesheet that -T pages load.
inline constexpr const char* kDataTablesStyleSheet =
    "https://cdn.datatables.net/1.10.16/css/jquery.dataTables.min.css";
/// jQuery 3.2.1, which DataTables needs.
inline constexpr const char* kJQueryScript =
    "https://cdnjs.cloudflare.com/ajax/libs/jquery/3.2.1/jquery.min.js";
/// The DataTables 1.10.16 script.
inline constexpr const char* kDataTablesScript =
    "https://cdn.datatables.net/1.10.16/js/jquery.dataTables.min.js";

#endif  // KINTREE_PUBLISH_WEB_ADDRESSES_H_
