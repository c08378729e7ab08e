# zolt_add_resources(<target> <TYPE> <NAME> <FILE> [<TYPE> <NAME> <FILE> ...])
#
# Compiles files into an executable or a shared library as module resources,
# found at run time with FindResourceW on that module. TYPE and NAME are each a
# number (an id, 1 to 65535) or a string. A relative FILE is taken from the
# current source folder; files made by the build into ZOLT_ASSETS_DIR are built
# before the target. The bytes are included by the assembler (.incbin), so large
# files cost no more than copying them; a changed file rebuilds the target. The
# target must link the platform library, which keeps the registry.

# "id;string" for a type or a name: id 0 when it is a string.
function(_zolt_resource_key out value what)
  if(value MATCHES "^[0-9]+$")
    if(value LESS 1 OR value GREATER 65535)
      message(FATAL_ERROR "zolt_add_resources: ${what} id ${value} is not in 1..65535")
    endif()
    math(EXPR id "${value}")
    set(${out} "${id};nullptr" PARENT_SCOPE)
  elseif(value STREQUAL "")
    message(FATAL_ERROR "zolt_add_resources: empty ${what}")
  else()
    string(REPLACE "\\" "\\\\" escaped "${value}")
    string(REPLACE "\"" "\\\"" escaped "${escaped}")
    set(${out} "0;L\"${escaped}\"" PARENT_SCOPE)
  endif()
endfunction()

# The build-time generators' targets (tools/), which make ZOLT_ASSETS_DIR.
function(_zolt_asset_targets out dir)
  set(found "")
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(t ${targets})
    if(t MATCHES "^zolt_assets_")
      list(APPEND found ${t})
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub ${subdirs})
    _zolt_asset_targets(more ${sub})
    list(APPEND found ${more})
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# Writes content to path only when it differs, so reconfiguring rebuilds nothing.
function(_zolt_write_if_changed path content)
  if(EXISTS ${path})
    file(READ ${path} old)
    if(old STREQUAL content)
      return()
    endif()
  endif()
  file(WRITE ${path} "${content}")
endfunction()

function(zolt_add_resources target)
  if(NOT TARGET ${target})
    message(FATAL_ERROR "zolt_add_resources: no target ${target}")
  endif()
  set(args ${ARGN})
  list(LENGTH args count)
  math(EXPR rest "${count} % 3")
  if(count EQUAL 0 OR NOT rest EQUAL 0)
    message(FATAL_ERROR "zolt_add_resources(${target}): expected TYPE NAME FILE triples")
  endif()

  # One generated source per call; keys are checked across all calls.
  get_property(calls TARGET ${target} PROPERTY ZOLT_RESOURCE_CALLS)
  if(NOT calls)
    set(calls 0)
  endif()
  math(EXPR next "${calls} + 1")
  set_property(TARGET ${target} PROPERTY ZOLT_RESOURCE_CALLS ${next})
  get_property(keys TARGET ${target} PROPERTY ZOLT_RESOURCE_KEYS)
  string(MAKE_C_IDENTIFIER "zolt_resource_${target}_${calls}" prefix)

  set(asm "")
  set(declarations "")
  set(entries "")
  set(files "")
  set(needs_assets FALSE)
  set(index 0)
  while(args)
    list(POP_FRONT args type name file)
    _zolt_resource_key(type_key "${type}" type)
    _zolt_resource_key(name_key "${name}" name)
    list(GET type_key 0 type_id)
    list(GET type_key 1 type_text)
    list(GET name_key 0 name_id)
    list(GET name_key 1 name_text)
    # Ids by value, strings without regard to case, as the lookup compares them.
    string(TOUPPER "${type_id}:${type_text}|${name_id}:${name_text}" key)
    if(key IN_LIST keys)
      message(FATAL_ERROR "zolt_add_resources(${target}): resource ${type} ${name} given twice")
    endif()
    list(APPEND keys "${key}")

    get_filename_component(file "${file}" ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    list(APPEND files ${file})
    set(in_assets FALSE)
    if(DEFINED ZOLT_ASSETS_DIR)
      string(FIND "${file}" "${ZOLT_ASSETS_DIR}/" at)
      if(at EQUAL 0)
        set(in_assets TRUE)
        set(needs_assets TRUE)
      endif()
    endif()
    get_source_file_property(generated ${file} GENERATED)
    if(NOT EXISTS ${file} AND NOT in_assets AND NOT generated)
      message(FATAL_ERROR "zolt_add_resources(${target}): no file ${file}")
    endif()
    string(REPLACE "\\" "\\\\" asm_path "${file}")
    string(REPLACE "\"" "\\\"" asm_path "${asm_path}")

    set(symbol ${prefix}_${index})
    string(APPEND asm
      "    .balign 16\n"
      "    .globl ${symbol}_begin\n    .hidden ${symbol}_begin\n${symbol}_begin:\n"
      "    .incbin \"${asm_path}\"\n"
      "    .globl ${symbol}_end\n    .hidden ${symbol}_end\n${symbol}_end:\n")
    string(APPEND declarations
      "extern const unsigned char ${symbol}_begin[] __attribute__((visibility(\"hidden\")));\n"
      "extern const unsigned char ${symbol}_end[] __attribute__((visibility(\"hidden\")));\n")
    string(APPEND entries
      "    {${type_id}, ${type_text}, ${name_id}, ${name_text}, ${symbol}_begin, ${symbol}_end},\n")
    math(EXPR index "${index} + 1")
  endwhile()
  set_property(TARGET ${target} PROPERTY ZOLT_RESOURCE_KEYS "${keys}")

  set(source ${CMAKE_CURRENT_BINARY_DIR}/zolt_resources/${prefix}.cpp)
  _zolt_write_if_changed(${source} "\
// Made by zolt_add_resources for ${target}: its resource files, compiled in
// and registered with the platform while the module is loaded.
#include \"win32_modules.h\"

__asm__(R\"zolt_asm(
    .pushsection .rodata.zolt_resources, \"a\"
${asm}    .popsection
)zolt_asm\");

extern \"C\" {
${declarations}}

namespace {

const ZoltResourceEntry entries[] = {
${entries}};

struct Registration {
    Registration() { ZoltRegisterResources(entries, sizeof(entries) / sizeof(entries[0])); }
    ~Registration() { ZoltUnregisterResources(entries); }
    Registration(const Registration&) = delete;
    Registration& operator=(const Registration&) = delete;
} const registration;

}  // namespace
")

  target_sources(${target} PRIVATE ${source})
  set_source_files_properties(${source} TARGET_DIRECTORY ${target} PROPERTIES
    OBJECT_DEPENDS "${files}"
    INCLUDE_DIRECTORIES "${PROJECT_SOURCE_DIR}/platform/include")
  if(needs_assets)
    _zolt_asset_targets(generators ${PROJECT_SOURCE_DIR}/tools)
    if(generators)
      add_dependencies(${target} ${generators})
    endif()
  endif()
endfunction()
