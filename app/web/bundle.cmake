# SPDX-FileCopyrightText: The Movla developers
# SPDX-License-Identifier: MIT

# Joins the page's ES modules into its one script, so that no bundler is
# needed: each file's one-line imports go (the names they bring are declared
# above them, in the same scope), and "export" goes from its declarations.
# The script goes into the page itself, in place of the tag that names it,
# so that the page needs no second request before it starts the module's.
#   cmake -DOUTPUT=index.html -DPAGE=index.html -DINPUTS="a.js|b.js" -P bundle.cmake
string(REPLACE "|" ";" inputs "${INPUTS}")
set(script "")
foreach(input IN LISTS inputs)
  file(READ ${input} text)
  string(REGEX REPLACE "(^|\n)import [^\n]*;\n" "\\1" text "${text}")
  string(REGEX REPLACE "(^|\n)export " "\\1" text "${text}")
  string(APPEND script "${text}\n")
endforeach()
# Inside a <script> element, "</script" would end it and "<!--" change how
# the rest is read.
string(TOLOWER "${script}" lower)
foreach(closing "</script" "<!--")
  string(FIND "${lower}" "${closing}" at)
  if(at GREATER_EQUAL 0)
    message(FATAL_ERROR "The page's script holds \"${closing}\", which cannot stand in the page")
  endif()
endforeach()
file(READ ${PAGE} html)
set(tag "<script type=\"module\" src=\"movla.js\"></script>")
string(FIND "${html}" "${tag}" at)
if(at LESS 0)
  message(FATAL_ERROR "${PAGE} has no ${tag} to put the script in")
endif()
string(REPLACE "${tag}" "<script type=\"module\">\n${script}</script>" html "${html}")
file(WRITE ${OUTPUT} "${html}")
