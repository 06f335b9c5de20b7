-- The player's requests to the catalogue service, mixed as a listening
-- session makes them: charts, searches and suggestions, lyrics and singer
-- picture lookups, song files from a seek position and singer pictures.
-- Songs of the generated library have ids 100000 to 109999.
local charts = {111, 112, 943, 969}
local words = {"%E6%99%B4", "%E5%A4%A9", "%E6%9C%88%E5%85%89", "%E6%B5%B7%E9%A3%8E",
               "%E9%9B%A8", "%E8%8A%B1", "%E6%98%9F", "%E6%A2%A6"}
local singers = {"%E6%9E%97%E5%B0%8F%E9%9B%A80", "%E9%99%88%E9%BB%98", "Band"}
local i = 0

local function pick(list) return list[math.random(#list)] end
local function song() return 100000 + math.random(0, 9999) end

local forms = {
  function() return wrk.format("GET", "/ajax/charts.vexo.local/ttpod?id=" .. pick(charts) ..
                               "&page=1&size=50") end,
  function() return wrk.format("GET", "/s/song_with_out?q=" .. pick(words) ..
                               "&page=1&size=1&callback=jsonp_search") end,
  function() return wrk.format("GET", "/suggest.do?q=" .. pick(words) ..
                               "&size=5&callback=jQuery18308304068592842668_1425372762077") end,
  function() return wrk.format("GET", "/lrc/down?lrcid=&artist=" .. pick(singers) ..
                               "&title=%E6%99%B4&song_id=" .. song() ..
                               "&code=e3c7a91&callback=jQuery18308304068592842668_1425372762082") end,
  function() return wrk.format("GET", "/pic/down?artist=" .. pick(singers) ..
                               "&rand=&code=-2000&callback=jQuery18308304068592842668_1425372762078" ..
                               "&_=1425373053634") end,
  function() return wrk.format("GET", "/song/" .. song() .. ".mp3", {Range = "bytes=4096-20479"}) end,
  function() return wrk.format("GET", "/picture/" .. math.random(0, 399) .. ".png") end,
}

request = function()
  i = i + 1
  return forms[i % #forms + 1]()
end
