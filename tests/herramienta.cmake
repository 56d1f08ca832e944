# "eltarvo-tvo ORDEN CASO.tvo [TEXTO]" must print exactly the file CASO.ORDEN[-TEXTO].txt, and exit with 1 from
# "check" (every file checked here is broken) and with 0 from the others.
get_filename_component(carpeta ${ESPERADO} DIRECTORY)
get_filename_component(nombre ${ESPERADO} NAME)
string(REGEX MATCH "^(.*)\\.([a-z]+)-?([^.]*)\\.txt$" partes ${nombre})
set(orden ${CMAKE_MATCH_2})
execute_process(COMMAND ${PROGRAMA} ${orden} ${CMAKE_MATCH_1}.tvo ${CMAKE_MATCH_3} WORKING_DIRECTORY ${carpeta}
                OUTPUT_VARIABLE salida RESULT_VARIABLE codigo)
file(READ ${ESPERADO} esperada)
if(orden STREQUAL "check")
    set(codigoEsperado 1)
else()
    set(codigoEsperado 0)
endif()
if(NOT codigo EQUAL codigoEsperado OR NOT salida STREQUAL esperada)
    message(FATAL_ERROR "exit ${codigo}, output:\n${salida}\nexpected:\n${esperada}")
endif()
