// The device's map: OpenStreetMap's tiles through Leaflet and one marker, placed by the program
// with QueltaMap.show(). Whether tiles arrive is reported in document.title, which the program
// watches: "quelta-map:<state>:<n>", n counting the show() calls so each report is a new title.
'use strict';

var QueltaMap = (function () {
    var map = L.map('map');
    var tiles = null;
    var tilesUrl = '';
    var marker = null;
    var shown = 0;
    var loaded = 0;
    var failed = false;

    function report(state) {
        document.title = 'quelta-map:' + state + ':' + shown;
    }

    function useTiles(url) {
        if (tiles && url === tilesUrl)
            return;
        if (tiles)
            map.removeLayer(tiles);
        tilesUrl = url;
        tiles = L.tileLayer(url, {
            maxZoom: 19,
            attribution: '&copy; <a href="https://www.openstreetmap.org/copyright">OpenStreetMap</a> contributors'
        });
        tiles.on('tileload', function () {
            loaded += 1;
            failed = false;
            report('online');
        });
        // A single failed tile among loaded ones is a gap, not a lost connection.
        tiles.on('tileerror', function () {
            if (loaded > 0)
                return;
            failed = true;
            report('offline');
        });
        tiles.addTo(map);
    }

    return {
        // place: {latitude, longitude, zoom, title, popup, tiles}. The title is set as text; the
        // popup is HTML whose texts the program has escaped.
        show: function (place) {
            shown += 1;
            loaded = 0;
            report('loading');
            var at = L.latLng(place.latitude, place.longitude);
            if (marker)
                map.removeLayer(marker);
            marker = L.marker(at, { title: place.title, alt: place.title }).addTo(map);
            marker.bindPopup(place.popup);
            var retry = failed && tiles && place.tiles === tilesUrl;
            useTiles(place.tiles);
            map.setView(at, place.zoom);
            // Tiles that failed before are asked for again: the connection may be back.
            if (retry)
                tiles.redraw();
        },
        // What the map holds now, read back by the program's tests.
        state: function () {
            if (!marker)
                return null;
            var at = marker.getLatLng();
            var centre = map.getCenter();
            return {
                latitude: at.lat,
                longitude: at.lng,
                centreLatitude: centre.lat,
                centreLongitude: centre.lng,
                zoom: map.getZoom(),
                title: marker.options.title,
                popup: marker.getPopup().getContent(),
                tiles: tilesUrl
            };
        }
    };
})();
