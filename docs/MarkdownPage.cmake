# Makes a Markdown file into a web page of its own:
#   cmake -DCMARK_GFM=cmark-gfm -DSOURCE=guide.md -DOUTPUT=guide.html -DTITLE=... -P MarkdownPage.cmake
# GitHub-flavoured Markdown (tables, autolinks, strikethrough; the sources'
# own inline HTML such as <br> passes through). Headings get the ids GitHub
# gives them, so the pages' "#the-window" links work; the README is linked
# as readme.html and the guide as guide.html, and links to other files of
# the source tree, which the installed pages do not carry, become plain text.
# The page is written whole or not at all.

cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${CMARK_GFM} --unsafe -e table -e autolink -e strikethrough ${SOURCE}
                OUTPUT_VARIABLE body ERROR_VARIABLE error RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmark-gfm could not convert ${SOURCE}: ${status} ${error}")
endif()

# Heading ids: the text without markup, lower case, spaces as hyphens, other
# punctuation dropped; a repeated id gets "-1", "-2", ...
set(rest "${body}")
set(body "")
set(ids "")
while(rest MATCHES "<(h[1-6])>")
  set(tag ${CMAKE_MATCH_1})
  string(FIND "${rest}" "<${tag}>" start)
  string(FIND "${rest}" "</${tag}>" end)
  math(EXPR textStart "${start} + 4")
  math(EXPR textLength "${end} - ${textStart}")
  string(SUBSTRING "${rest}" 0 ${start} before)
  string(SUBSTRING "${rest}" ${textStart} ${textLength} text)
  string(REGEX REPLACE "<[^>]*>|&[#a-zA-Z0-9]+;" "" id "${text}")
  string(TOLOWER "${id}" id)
  string(REGEX REPLACE "[^a-z0-9 _-]" "" id "${id}")
  string(REPLACE " " "-" id "${id}")
  set(unique ${id})
  set(n 0)
  while(unique IN_LIST ids)
    math(EXPR n "${n} + 1")
    set(unique ${id}-${n})
  endwhile()
  list(APPEND ids ${unique})
  string(APPEND body "${before}<${tag} id=\"${unique}\">${text}</${tag}>")
  math(EXPR after "${end} + 5")
  string(SUBSTRING "${rest}" ${after} -1 rest)
endwhile()
string(APPEND body "${rest}")

string(REPLACE "href=\"../README.md" "href=\"readme.html" body "${body}")
string(REPLACE "href=\"docs/guide.md" "href=\"guide.html" body "${body}")
set(rest "${body}")
set(body "")
while(rest MATCHES "<a href=\"([^\"]*)\"[^>]*>")
  set(open "${CMAKE_MATCH_0}")
  set(target "${CMAKE_MATCH_1}")
  string(FIND "${rest}" "${open}" start)
  string(LENGTH "${open}" length)
  math(EXPR after "${start} + ${length}")
  string(SUBSTRING "${rest}" 0 ${start} before)
  string(SUBSTRING "${rest}" ${after} -1 rest)
  if(target MATCHES "^(#|[a-z]+:|guide\\.html|readme\\.html|images/)")
    string(APPEND body "${before}${open}")
  else()
    string(FIND "${rest}" "</a>" close)
    string(SUBSTRING "${rest}" 0 ${close} text)
    math(EXPR close "${close} + 4")
    string(SUBSTRING "${rest}" ${close} -1 rest)
    string(APPEND body "${before}${text}")
  endif()
endwhile()
string(APPEND body "${rest}")

file(WRITE ${OUTPUT}.part [=[<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>]=] "${TITLE}" [=[</title>
<style>
body { max-width: 52em; margin: 0 auto; padding: 0 1em 2em; font-family: sans-serif; line-height: 1.5; }
img { max-width: 100%; }
table { border-collapse: collapse; }
th, td { border: 1px solid #bbb; padding: 0.2em 0.5em; vertical-align: top; }
code, pre { background: #f3f3f3; }
pre { padding: 0.5em; overflow-x: auto; }
</style>
</head>
<body>
]=] "${body}" [=[</body>
</html>
]=])
file(RENAME ${OUTPUT}.part ${OUTPUT})
