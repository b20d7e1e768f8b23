# The `docs` target: the gen library's API reference as HTML in
# <build dir>/docs/html. Not part of `all`, so an ordinary build never waits for
# it; CI builds it by name. Doxygen's warnings fail it, so a public entity
# without a description cannot slip in.

# Run as a script by the docs target and the docs.reference test below, with
# DOXYGEN and DOXYFILE given: Doxygen's run, then the check Doxygen does not
# make itself. It warns neither about a namespace without a description nor
# about the members of one, so such a namespace would hide everything in it.
if(CMAKE_SCRIPT_MODE_FILE)
    get_filename_component(_out ${DOXYFILE} DIRECTORY)
    # Pages of entities that no longer exist must not survive in the output.
    file(REMOVE_RECURSE ${_out}/html ${_out}/xml)
    execute_process(COMMAND ${DOXYGEN} ${DOXYFILE} WORKING_DIRECTORY ${_out} RESULT_VARIABLE _rc)
    if(_rc)
        message(FATAL_ERROR "Doxygen failed")
    endif()
    file(GLOB _pages ${_out}/xml/namespace*.xml)
    foreach(_page IN LISTS _pages)
        file(READ ${_page} _text)
        # The namespace's own description is the one indented by four blanks.
        if(_text MATCHES "\n    <briefdescription>\n    </briefdescription>"
           AND _text MATCHES "<compoundname>([^<]*)</compoundname>")
            message(SEND_ERROR "error: namespace ${CMAKE_MATCH_1} has no /// description")
        endif()
    endforeach()
    return()
endif()

# A parent project that adds us has its own docs, and maybe its own `docs` target.
if(NOT PROJECT_IS_TOP_LEVEL)
    return()
endif()

# 1.9.4 is the first version that knows every setting the Doxyfile uses; an
# older one would warn about them and so fail.
find_package(Doxygen 1.9.4 QUIET)
if(NOT DOXYGEN_FOUND)
    message(STATUS "Doxygen 1.9.4 or newer not found: the docs target is skipped; install doxygen")
    return()
endif()

# Exactly the headers that are installed: a header kept out of the public set
# stays out of the reference.
get_target_property(_hello_docs_headers gen HEADER_SET)
list(JOIN _hello_docs_headers "\" \\\n    \"" HELLO_DOCS_INPUT)
set(HELLO_DOCS_INPUT "\"${HELLO_DOCS_INPUT}\"")

set(HELLO_DOCS_OUTPUT ${PROJECT_BINARY_DIR}/docs)
configure_file(${PROJECT_SOURCE_DIR}/docs/Doxyfile.in ${HELLO_DOCS_OUTPUT}/Doxyfile @ONLY)

# Everything the reference is made from, so it is rebuilt only when one of
# them changes; a failed run leaves no stamp and is tried again.
set(_hello_docs_inputs ${_hello_docs_headers}
    ${PROJECT_SOURCE_DIR}/docs/mainpage.md
    ${PROJECT_SOURCE_DIR}/tests/consumer/main.cpp
    ${PROJECT_SOURCE_DIR}/tests/consumer/CMakeLists.txt)
set(_hello_docs_stamp ${HELLO_DOCS_OUTPUT}/html.stamp)
add_custom_command(
    OUTPUT ${_hello_docs_stamp}
    COMMAND ${CMAKE_COMMAND} -DDOXYGEN=${DOXYGEN_EXECUTABLE} -DDOXYFILE=${HELLO_DOCS_OUTPUT}/Doxyfile
            -P ${CMAKE_CURRENT_LIST_FILE}
    COMMAND ${CMAKE_COMMAND} -E touch ${_hello_docs_stamp}
    DEPENDS ${_hello_docs_inputs} ${HELLO_DOCS_OUTPUT}/Doxyfile ${CMAKE_CURRENT_LIST_FILE}
    COMMENT "Building the API reference in ${HELLO_DOCS_OUTPUT}/html"
    VERBATIM)
add_custom_target(docs DEPENDS ${_hello_docs_stamp})

# The same run as a test, into a directory of its own, so that `ctest` alone
# tells whether a header change left an entity undescribed. The output is
# searched too, in case the Doxyfile stops failing on warnings by itself.
if(HELLO_BUILD_TESTS)
    set(HELLO_DOCS_OUTPUT ${PROJECT_BINARY_DIR}/docs-test)
    configure_file(${PROJECT_SOURCE_DIR}/docs/Doxyfile.in ${HELLO_DOCS_OUTPUT}/Doxyfile @ONLY)
    add_test(NAME docs.reference
        COMMAND ${CMAKE_COMMAND} -DDOXYGEN=${DOXYGEN_EXECUTABLE} -DDOXYFILE=${HELLO_DOCS_OUTPUT}/Doxyfile
                -P ${CMAKE_CURRENT_LIST_FILE})
    set_tests_properties(docs.reference PROPERTIES FAIL_REGULAR_EXPRESSION "(warning|error): ")
endif()
