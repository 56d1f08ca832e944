# "eltarvo-tvo ORDEN CASO.tvo" must print exactly the file CASO.ORDEN.txt, and exit with 1 from "check" (every
# file checked here is broken) and with 0 from the others.
get_filename_component(carpeta ${ESPERADO} DIRECTORY)
get_filename_component(nombre ${ESPERADO} NAME)
string(REGEX REPLACE "^(.*)\\.([a-z]+)\\.txt$" "\\1;\\2" partes ${nombre})
list(GET partes 0 caso)
list(GET partes 1 orden)
execute_process(COMMAND ${PROGRAMA} ${orden} ${caso}.tvo WORKING_DIRECTORY ${carpeta} OUTPUT_VARIABLE salida
                RESULT_VARIABLE codigo)
file(READ ${ESPERADO} esperada)
if(orden STREQUAL "check")
    set(codigoEsperado 1)
else()
    set(codigoEsperado 0)
endif()
if(NOT codigo EQUAL codigoEsperado OR NOT salida STREQUAL esperada)
    message(FATAL_ERROR "exit ${codigo}, output:\n${salida}\nexpected:\n${esperada}")
endif()
