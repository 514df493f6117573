# Writes a C++ source that holds text files as string constants, so the library
# needs no files at run time. Run as: cmake -DOUTPUT=file.cpp
#   -DSCRIPTS="name=path;name=path" -P EmbedScripts.cmake
set(content "// Generated from the schema scripts; do not edit.\n#include \"SchemaScripts.h\"\n\nnamespace ShopDb::SchemaScripts {\n")
foreach(entry IN LISTS SCRIPTS)
  string(REPLACE "=" ";" parts "${entry}")
  list(GET parts 0 name)
  list(GET parts 1 path)
  file(READ "${path}" text)
  string(FIND "${text}" ")korvel_sql\"" clash)
  if(NOT clash EQUAL -1)
    message(FATAL_ERROR "${path} contains the raw-string delimiter")
  endif()
  string(APPEND content "\nconst std::string_view ${name} = R\"korvel_sql(${text})korvel_sql\";\n")
endforeach()
string(APPEND content "\n}  // namespace ShopDb::SchemaScripts\n")
file(WRITE "${OUTPUT}.tmp" "${content}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
